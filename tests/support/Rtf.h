// RTF tests: the visible text and the per-word formatting of paragraph markup, a UTF-8 check,
// and RTF files written by LibreOffice.
#pragma once

#include <QString>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>

#include "document/cDocument.h"
#include "document/cFrame.h"
#include "kalder/Preview.h"
#include "richtext/cParaText.h"
#include "support/Tools.h"

namespace kalder::test {

// Well-formed UTF-8 survives the round trip through UTF-16; anything else comes back changed.
inline bool isUtf8(const std::string& s) { return QString::fromUtf8(s).toUtf8().toStdString() == s; }

// The text a reader sees in paragraph markup: escapes and special characters resolved, a tab
// as "\t", a line or paragraph end as "\n", other tags and CR LF dropped. The Windows-1252 codes
// of ac tags that RTF files give are spelled out.
inline std::string visibleText(std::string_view markup) {
    static const std::map<std::string, std::string> kTags = {
        {"zl", "<"},          {"zr", ">"},          {"tb", "\t"},         {"nl", "\n"},         {"sl", "\n"},
        {"ss", " "},          {"dn", " "},          {"dm", " "},          {"ac 145", "\u2018"}, {"ac 146", "\u2019"},
        {"ac 147", "\u201C"}, {"ac 148", "\u201D"}, {"ac 149", "\u2022"}, {"ac 150", "\u2013"}, {"ac 151", "\u2014"},
    };
    std::string out;
    for (std::size_t i = 0; i < markup.size(); ++i) {
        if (markup[i] == '<') {
            const std::size_t end = markup.find('>', i);
            if (end == std::string_view::npos) break;
            if (auto it = kTags.find(std::string(markup.substr(i + 1, end - i - 1))); it != kTags.end())
                out += it->second;
            i = end;
        } else if (markup[i] != '\r' && markup[i] != '\n') {
            out += markup[i];
        }
    }
    return out;
}

// The formatting in force where each of `words` starts in paragraph markup (its first
// occurrence), a line "word: flags size font colour alignment" each; flags are those of
// "bd it ul st" that are on. Words are runs of visible characters between blanks, line ends and
// tags that show a gap.
inline std::string wordStyles(std::string_view markup, std::initializer_list<const char*> words) {
    std::map<std::string, std::string> out, now = {{"al", "rr"}};
    std::string word, atStart;
    const auto styleNow = [&] {
        std::string s;
        for (const char* flag : {"bd", "it", "ul", "st"})
            if (now.count(flag) && now[flag] != "0") s += std::string(flag) + " ";
        return s + now["fs"] + " " + now["ff"] + " " + now["co"] + " " + now["al"];
    };
    const auto endWord = [&] {
        if (!word.empty()) out.emplace(word, atStart);
        word.clear();
    };
    const auto addText = [&](const std::string& c) {
        if (word.empty()) atStart = styleNow();
        word += c;
    };
    for (std::size_t i = 0; i < markup.size(); ++i) {
        if (markup[i] != '<') {
            if (markup[i] == ' ' || markup[i] == '\r' || markup[i] == '\n')
                endWord();
            else
                addText(std::string(1, markup[i]));
            continue;
        }
        const std::size_t end = markup.find('>', i);
        if (end == std::string_view::npos) break;
        const std::string tag(markup.substr(i + 1, end - i - 1)), name = tag.substr(0, 2);
        i = end;
        if (name == "rr" || name == "rl" || name == "ce" || name == "ju")
            now["al"] = name;
        else if (name == "zl" || name == "zr")
            addText(name == "zl" ? "<" : ">");
        else if (tag.size() == 2 && std::string_view("tb nl sl ss dn dm").find(name) != std::string_view::npos)
            endWord();
        else if (tag.size() > 3)
            now[name] = tag.substr(3);
        else if (std::string_view("bd it ul st").find(name) != std::string_view::npos)
            now[name] = "1";
    }
    endWord();
    std::string text;
    for (const char* w : words) text += std::string(w) + ": " + (out.count(w) ? out[w] : "missing") + "\n";
    return text;
}

// Each page: its key, margins, and its "inside" frame's paragraphs as "y height width next",
// "empty" after a paragraph without lines.
inline std::string insideParagraphs(Preview& pv) {
    std::string out;
    for (const auto& page : pv.document().pages()) {
        out += page->Key + " " + std::to_string(page->PageMarginLeft) + "," + std::to_string(page->PageMarginRight) +
               "," + std::to_string(page->PageMarginTop) + "," + std::to_string(page->PageMarginBottom) + ":";
        for (const auto& e : page->Frames().Item(std::string_view("inside"))->Elements())
            if (auto p = std::dynamic_pointer_cast<cParaText>(e))
                out += " " + std::to_string(p->yPos) + " " + std::to_string(p->Height) + " " +
                       std::to_string(p->Width) + " " + std::to_string(p->NextY) +
                       (p->TextLines.empty() ? " empty" : "");
        out += "\n";
    }
    return out;
}

// LibreOffice (headless) turns documents into RTF in one run: `sources` maps file names
// (".html" or ".fodt") to their content; the result maps each source name to the RTF written
// for it (missing when the conversion failed). `available` is false when soffice is missing.
struct LibreOfficeRtf {
    bool available = false;
    std::string log;
    std::map<std::string, std::string> rtf;
};

inline LibreOfficeRtf convertWithLibreOffice(const ScratchDir& dir, const std::map<std::string, std::string>& sources) {
    LibreOfficeRtf result;
    if (runTool("command -v soffice").status != 0) return result;
    result.available = true;
    const std::string path = dir.path().string();
    std::string command = "cd '" + path + "' && timeout 240 soffice -env:UserInstallation=file://" + path +
                          "/profile --headless --convert-to 'rtf:Rich Text Format' --outdir out";
    for (const auto& [name, content] : sources) {
        dir.write(name, content);
        command += " '" + name + "'";
    }
    const ToolResult run = runTool(command);
    result.log = run.output + "\nexit status " + std::to_string(run.status);
    for (const auto& [name, content] : sources) {
        const auto out = std::filesystem::path("out") / std::filesystem::path(name).replace_extension(".rtf");
        if (std::filesystem::exists(dir.path() / out)) result.rtf[name] = dir.read(out.string());
    }
    return result;
}

}  // namespace kalder::test
