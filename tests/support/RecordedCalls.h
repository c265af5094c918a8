// What the recording target saw when a frame or a page was drawn, one text line per call,
// joined into one string so a single comparison pins every call, its values and its order;
// or, for paragraphs, the printed runs led by the style changes between them.
#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/DrawingLayer.h"
#include "core/RecordingDrawTarget.h"
#include "document/RenderContext.h"
#include "document/cDocument.h"
#include "document/cChangeStyle.h"
#include "document/cFrame.h"
#include "graphics/cGraphicText.h"
#include "kalder/Preview.h"

namespace kalder::test {

inline std::string joinedCalls(const std::vector<std::string>& calls) {
    std::string out;
    for (const auto& c : calls) out += (out.empty() ? "" : " | ") + c;
    return out;
}

// The calls that start with one of `prefixes`, joined.
inline std::string joinedOnly(const std::vector<std::string>& calls, std::initializer_list<const char*> prefixes) {
    std::vector<std::string> kept;
    for (const auto& c : calls)
        for (const char* p : prefixes)
            if (c.rfind(p, 0) == 0) {
                kept.push_back(c);
                break;
            }
    return joinedCalls(kept);
}

// Each printed text as "text@x,y", with the position in force at its Print, joined.
inline std::string printed(const std::vector<std::string>& calls) {
    std::vector<std::string> out;
    std::string x, y;
    for (const auto& c : calls) {
        if (c.rfind("CurrentX ", 0) == 0) x = c.substr(9);
        if (c.rfind("CurrentY ", 0) == 0) y = c.substr(9);
        if (c.rfind("Print ", 0) == 0) out.push_back(c.substr(6) + "@" + x + "," + y);
    }
    return joinedCalls(out);
}

inline std::vector<std::string> frameCalls(const cFrame& frame, const cDocument* doc, std::int32_t mode = prOTScreen,
                                           double zoom = 1.0) {
    RecordingDrawTarget target;
    DrawingLayer layer(target, mode, zoom);
    RenderContext ctx(layer, doc);
    frame.Preview(ctx);
    return target.calls;
}

inline std::vector<std::string> pageCalls(Preview& pv, const cPage& page, std::int32_t mode = prOTScreen,
                                          const std::string& highlight = "", bool withDocument = true) {
    RecordingDrawTarget target;
    DrawingLayer layer(target, mode);
    RenderContext ctx(layer, withDocument ? &pv.document() : nullptr);
    ctx.highlightKey = highlight;
    page.Preview(ctx);
    return target.calls;
}

// Without the document, page numbers stay as laid out.
inline std::vector<std::string> pageCalls(Preview& pv, const std::string& page = "Page 1",
                                          std::int32_t mode = prOTScreen, const std::string& highlight = "",
                                          bool withDocument = true) {
    return pageCalls(pv, *pv.document().pages().Item(std::string_view(page)), mode, highlight, withDocument);
}

// The calls as "'text'@x" per Print, led by the font, colour and y calls that changed since the
// one before, from Arial 10 plain black ("Font" dropped from their names).
inline std::string drawn(const std::vector<std::string>& calls) {
    std::map<std::string, std::string> now = {{"FontName", "Arial"}, {"FontSize", "10"},      {"FontBold", "0"},
                                              {"FontItalic", "0"},   {"FontStrikethru", "0"}, {"FontUnderline", "0"},
                                              {"ForeColor", "0"},    {"FontCharset", "0"}};
    std::string out;
    for (const auto& call : calls) {
        const auto space = call.find(' ');
        std::string name = call.substr(0, space), value = call.substr(space + 1);
        if (name == "Print")
            out += "'" + value + "'@" + now["CurrentX"] + " ";
        else if (now[name] != value && name != "CurrentX")
            out += (name.rfind("Font", 0) == 0 ? name.substr(4) : name) + "=" + value + " ";
        now[name] = value;
    }
    return out;
}

// What a document holds: every page with its margins, header, footer and inside top, and every frame with its texts
// ("text@x,y") and style changes ("style", "style(i)" when italic), in order.
inline std::string outline(Preview& pv) {
    std::string out;
    for (const auto& page : pv.document().pages()) {
        out += (out.empty() ? "" : " / ") + page->Key + " (" + std::to_string(page->PageMarginLeft) + "," +
               std::to_string(page->PageMarginTop) + "," + std::to_string(page->PageMarginRight) + "," +
               std::to_string(page->PageMarginBottom) + " h" + std::to_string(page->PageHeaderSize) + " f" +
               std::to_string(page->PageFooterSize) + " top" + std::to_string(page->PageInsideTop) + "):";
        for (const auto& frame : page->Frames()) {
            std::string items;
            for (const auto& e : frame->Elements()) {
                items += items.empty() ? "" : ", ";
                if (auto t = std::dynamic_pointer_cast<cGraphicText>(e))
                    items += t->Text + "@" + std::to_string(t->xPos) + "," + std::to_string(t->yPos);
                else if (auto c = std::dynamic_pointer_cast<cChangeStyle>(e))
                    items += c->Style().Italic ? "style(i)" : "style";
            }
            out += " " + frame->Key + "[" + items + "]";
        }
    }
    return out;
}

// A document whose current frame "shapes" sits at (1500, 3000) twips: 100 and 200 pixels at
// 15 twips a pixel, so an offset that is lost or doubled shows.
struct FrameDoc {
    Preview pv;
    std::shared_ptr<cFrame> frame;

    FrameDoc() {
        pv.AddFrame("shapes", 1500, 3000, 6000, 6000);
        frame = pv.document().currentFrame();
    }
    std::vector<std::string> calls(std::int32_t mode = prOTScreen, double zoom = 1.0) const {
        return frameCalls(*frame, &pv.document(), mode, zoom);
    }
    template <class T>
    std::shared_ptr<T> element(const std::string& key) const {
        return std::dynamic_pointer_cast<T>(frame->Elements().Item(std::string_view(key)));
    }
};

}  // namespace kalder::test
