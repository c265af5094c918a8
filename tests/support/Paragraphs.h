// Paragraph tests: styles, measured widths, the lines of a layout as one text, the words the
// pages print, and seeded lorem words for long texts.
#pragma once

#include <cmath>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/TextMeasurer.h"
#include "core/cStyle.h"
#include "document/cDocument.h"
#include "document/cFrame.h"
#include "kalder/Preview.h"
#include "richtext/cParaText.h"
#include "richtext/cTextLine.h"
#include "support/RecordedCalls.h"

namespace kalder::test {

// Liberation Sans (metric-compatible with Arial) at `points`, black, single-spaced.
inline cStyle arial(float points = 10) {
    cStyle s;
    s.FontName = "Arial";
    s.FontSize = points * 20;
    return s;
}

// Width of a text as the measurer gives it, rounded to whole twips as layout keeps it.
inline std::int32_t widthOf(const cStyle& s, std::string_view text) {
    return static_cast<std::int32_t>(std::nearbyint(TextMeasurer::width(s, text)));
}

// The text a word shows (text runs and inserted characters), tags left out.
inline std::string shownOf(const cWord& w) {
    std::string out;
    for (const auto& t : w.Tokens) out += t.shownText();
    return out;
}

// One line as "word@x word@x", words that show nothing left out, and " |" when the line ends
// its paragraph; with `geometry` led by "top indent/width/used align:".
inline std::string lineText(const cTextLine& line, bool geometry) {
    std::string out;
    if (geometry)
        out = std::to_string(line.LineTop) + " " + std::to_string(line.LineIndent) + "/" +
              std::to_string(line.LineWidth) + "/" + std::to_string(line.TotalWordWidth) + " a" +
              std::to_string(line.LineAlign) + ":";
    const auto x = line.wordPositions();
    for (std::size_t i = 0; i < x.size(); ++i)
        if (auto s = shownOf(line.Words[i]); !s.empty())
            out += (out.empty() ? "" : " ") + s + "@" + std::to_string(x[i]);
    return line.LineEnd ? out + " |" : out;
}

inline std::string linesText(const cTextLines& lines, bool geometry = true) {
    std::string out;
    for (const auto& line : lines) out += lineText(line, geometry) + "\n";
    return out;
}

// The shown words of each line.
inline std::vector<std::vector<std::string>> lineWords(const cTextLines& lines) {
    std::vector<std::vector<std::string>> out;
    for (const auto& line : lines) {
        out.emplace_back();
        for (const auto& w : line.Words)
            if (auto s = shownOf(w); !s.empty()) out.back().push_back(std::move(s));
    }
    return out;
}

inline std::vector<std::string> wordsOfText(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// The words every page prints, page after page.
inline std::vector<std::string> wordsDrawn(Preview& pv) {
    std::string all;
    for (const auto& page : pv.document().pages()) {
        const std::string calls = drawn(pageCalls(pv, *page));
        for (std::size_t at = calls.find('\''), end; at != std::string::npos; at = calls.find('\'', end + 1)) {
            end = calls.find('\'', at + 1);
            all += calls.substr(at + 1, end - at - 1) + " ";
        }
    }
    return wordsOfText(all);
}

// The last element of the current frame as a paragraph; null when it is none.
inline std::shared_ptr<cParaText> lastParagraph(Preview& pv) {
    auto frame = pv.document().currentFrame();
    return std::dynamic_pointer_cast<cParaText>(frame->Elements().Item(frame->Elements().Count()));
}

// A fixed, seeded stream of lorem-style words (splitmix64), for long texts.
class LoremWords {
public:
    explicit LoremWords(std::uint64_t seed) : s_(seed) {}
    std::string next() {
        static constexpr const char* kWords[] = {
            "lorem",   "ipsum",        "dolor",   "sit",     "amet",       "consectetur", "adipiscing", "elit",
            "sed",     "do",           "eiusmod", "tempor",  "incididunt", "ut",          "labore",     "et",
            "dolore",  "magna",        "aliqua",  "enim",    "ad",         "minim",       "veniam",     "quis",
            "nostrud", "exercitation", "ullamco", "laboris", "nisi",       "aliquip",     "ex",         "ea"};
        return kWords[below(32)];
    }
    std::string text(std::size_t count) {
        std::string out;
        for (std::size_t i = 0; i < count; ++i) out += (i ? " " : "") + next();
        return out;
    }
    std::uint64_t below(std::uint64_t n) {
        std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return (z ^ (z >> 31)) % n;
    }

private:
    std::uint64_t s_;
};

}  // namespace kalder::test
