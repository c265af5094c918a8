// Paragraph tests: styles, measured widths, the lines of a layout as one text, the words of a
// text, golden data files, and seeded lorem words for long texts.
#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/TextMeasurer.h"
#include "core/cStyle.h"
#include "richtext/cTextLine.h"

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

// A line a row: "word@x word@x", words that show nothing left out, and " |" when the line ends
// its paragraph; with `geometry` led by "top indent/width/used align:".
inline std::string linesText(const cTextLines& lines, bool geometry = true) {
    std::string out;
    for (const auto& line : lines) {
        if (geometry)
            out += std::to_string(line.LineTop) + " " + std::to_string(line.LineIndent) + "/" +
                   std::to_string(line.LineWidth) + "/" + std::to_string(line.TotalWordWidth) + " a" +
                   std::to_string(line.LineAlign) + ":";
        const auto x = line.wordPositions();
        for (std::size_t i = 0; i < x.size(); ++i) {
            std::string s;
            for (const auto& t : line.Words[i].Tokens) s += t.shownText();
            if (!s.empty()) out += (out.empty() || out.back() == '\n' ? "" : " ") + s + "@" + std::to_string(x[i]);
        }
        out += line.LineEnd ? " |\n" : "\n";
    }
    return out;
}

inline std::vector<std::string> wordsOfText(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// A data file of the test folder's golden/.
inline std::string golden(const std::string& name) {
    std::ifstream in(std::string(KALDER_TEST_DATA) + "/golden/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fixed, seeded stream of lorem-style words (splitmix64), for long texts.
class LoremWords {
public:
    explicit LoremWords(std::uint64_t seed) : s_(seed) {}
    std::string next() {
        static const std::vector<std::string> kWords = wordsOfText(
            "lorem ipsum dolor sit amet consectetur adipiscing elit sed do eiusmod tempor incididunt ut labore et "
            "dolore magna aliqua enim ad minim veniam quis nostrud exercitation ullamco laboris nisi aliquip ex ea");
        return kWords[below(kWords.size())];
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
