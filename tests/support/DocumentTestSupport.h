// Helpers shared by the document suites: numbers in the decimal mark of the locale in force,
// and the tree as one text (keys, rectangles, geometry) so a test compares a whole page at once.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/Locale.h"
#include "document/cDocument.h"
#include "document/cFrame.h"
#include "document/cPage.h"
#include "kalder/Preview.h"
#include "support/ScopedLocale.h"
#include "support/TableTest.h"
#include "support/Tools.h"

namespace kalder::test {

// The texts of a golden file by name: a line "== name" starts one; lines before the first are notes.
inline std::string golden(const std::string& file, const std::string& name) {
    static std::map<std::string, std::map<std::string, std::string>> files;
    auto& texts = files[file];
    std::istringstream in(texts.empty() ? readFile(file) : "");
    std::string line, *text = nullptr;
    while (std::getline(in, line))
        if (line.rfind("== ", 0) == 0) text = &texts[line.substr(3)];
        else if (text) *text += (text->empty() ? "" : "\n") + line;
    auto it = texts.find(name);
    return it == texts.end() ? "no golden text for " + name : it->second;
}

inline std::vector<std::string> pageKeys(const cDocument& doc) {
    std::vector<std::string> keys;
    for (const auto& p : doc.pages()) keys.push_back(p->Key);
    return keys;
}

// "key type (x, y) width x height", the border when shown, then the element keys in brackets.
inline std::string frameText(const cFrame& f) {
    std::ostringstream out;
    out << f.Key << " " << f.FrameType << " (" << f.xPos << ", " << f.yPos << ") " << f.Width << " x " << f.Height;
    if (f.ShowBorder) out << " border " << f.Border.LineType << " " << f.Border.LineWidth << " " << f.Border.Color;
    const char* separator = " [";
    for (const auto& e : f.Elements()) {
        out << separator << e->Key();
        separator = " ";
    }
    if (f.Elements().Count() > 0) out << "]";
    return out.str();
}

// One line per frame of the page.
inline std::string framesText(const cPage& p) {
    std::string text;
    for (const auto& f : p.Frames()) text += (text.empty() ? "" : "\n") + frameText(*f);
    return text;
}

// A page's sheet, numbering, margins, bands and inside rectangle, then one line per frame.
inline std::string pageText(const cPage& p) {
    std::ostringstream out;
    out << p.Key << ": size " << p.PageSize() << " " << p.PageWidth() << " x " << p.PageHeight() << " no "
        << p.LogicalPageNo << "/" << p.PageNoType << " margins " << p.PageMarginLeft << " " << p.PageMarginTop << " "
        << p.PageMarginRight << " " << p.PageMarginBottom << " bands " << p.PageHeaderSize << " " << p.PageFooterSize
        << " inside " << p.PageInsideLeft << " " << p.PageInsideTop << " " << p.PageInsideRight << " "
        << p.PageInsideBottom;
    for (const auto& f : p.Frames()) out << "\n  " << frameText(*f);
    return out.str();
}

inline std::shared_ptr<cPage> pageOf(Preview& pv, const std::string& key) { return pv.document().pages().Item(key); }
inline std::string pageText(Preview& pv, const std::string& key) { return pageText(*pageOf(pv, key)); }

// The current page, frame and position as the document holds them.
inline std::string where(Preview& pv) {
    const cDocument& d = pv.document();
    return d.CurrentPage() + "/" + d.CurrentFrame() + " " + std::to_string(d.CurrentX) + "," +
           std::to_string(d.CurrentY);
}

// Where the builder stands, then every page.
inline std::string state(Preview& pv) {
    std::string text = where(pv);
    for (const auto& p : std::as_const(pv.document()).pages()) text += "\n" + pageText(*p);
    return text;
}

// The text of page one of a new document after `change`.
inline std::string onPageOne(const std::function<void(cPage&)>& change) {
    cDocument doc;
    change(*doc.pages().Item(1));
    return pageText(*doc.pages().Item(1));
}

// The state of a new Preview after `build`.
inline std::string onPreview(const std::function<void(Preview&)>& build) {
    Preview pv;
    build(pv);
    return state(pv);
}

}  // namespace kalder::test
