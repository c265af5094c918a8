// Shared by the paragraph suites: styles, the words of laid-out lines, and the words of an
// input text, so that layout can be checked against the text it came from.
#pragma once

#include <cmath>
#include <cstdint>
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

// Width of a text as the one measurer gives it, rounded to whole twips as layout keeps it.
inline std::int32_t widthOf(const cStyle& s, std::string_view text) {
    return static_cast<std::int32_t>(std::nearbyint(TextMeasurer::width(s, text)));
}

// The text a word shows (text runs and inserted characters), tags left out.
inline std::string shownOf(const cWord& w) {
    std::string out;
    for (const auto& t : w.Tokens) out += t.shownText();
    return out;
}

// The shown words of every line, in order, words that show nothing left out.
inline std::vector<std::string> wordsOf(const cTextLines& lines) {
    std::vector<std::string> out;
    for (const auto& line : lines)
        for (const auto& w : line.Words)
            if (auto s = shownOf(w); !s.empty()) out.push_back(std::move(s));
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

// The words of a plain text (no tags), split at blanks and line ends.
inline std::vector<std::string> wordsOfText(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// A fixed, seeded stream of lorem-style words (splitmix64), for long texts.
class LoremWords {
public:
    explicit LoremWords(std::uint64_t seed) : s_(seed) {}
    std::string next() {
        static constexpr const char* kWords[] = {
            "lorem",   "ipsum",     "dolor",  "sit",       "amet",   "consectetur", "adipiscing", "elit",
            "sed",     "do",        "eiusmod", "tempor",   "incididunt", "ut",      "labore",     "et",
            "dolore",  "magna",     "aliqua", "enim",      "ad",     "minim",       "veniam",     "quis",
            "nostrud", "exercitation", "ullamco", "laboris", "nisi", "aliquip",     "ex",         "ea"};
        return kWords[below(sizeof(kWords) / sizeof(kWords[0]))];
    }
    // `count` words joined by single blanks.
    std::string text(std::size_t count) {
        std::string out;
        for (std::size_t i = 0; i < count; ++i) {
            if (i) out += ' ';
            out += next();
        }
        return out;
    }
    std::uint64_t below(std::uint64_t n) { return step() % n; }

private:
    std::uint64_t step() {
        std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    std::uint64_t s_;
};

}  // namespace kalder::test
