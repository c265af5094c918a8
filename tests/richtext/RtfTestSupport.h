// Shared by the RTF suites: scratch files, the visible text of paragraph markup, a UTF-8 check,
// and RTF files written by LibreOffice from documents the tests describe.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <unistd.h>

namespace kalder::test {

// A folder of its own below the temporary folder, removed with the object.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& tag) {
        path_ = std::filesystem::temp_directory_path() /
                ("kalder-" + tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string write(const std::string& name, std::string_view bytes) const {
        const auto file = path_ / name;
        std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }

private:
    static int& counter() {
        static int n = 0;
        return n;
    }
    std::filesystem::path path_;
};

inline std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The text a reader sees in paragraph markup: escapes and special characters resolved, a tab
// as "\t", a line or paragraph end as "\n", other tags and the CR LF after a paragraph end
// dropped. Windows-1252 codes of ac tags that the tests meet are spelled out.
inline std::string visibleText(std::string_view markup) {
    static const std::map<std::string, std::string> kTags = {
        {"zl", "<"},       {"zr", ">"},       {"tb", "\t"},      {"nl", "\n"},      {"sl", "\n"},
        {"ss", " "},       {"dn", " "},       {"dm", " "},       {"ac 145", "\u2018"}, {"ac 146", "\u2019"},
        {"ac 147", "\u201C"}, {"ac 148", "\u201D"}, {"ac 149", "\u2022"}, {"ac 150", "\u2013"},
        {"ac 151", "\u2014"},
    };
    std::string out;
    for (std::size_t i = 0; i < markup.size();) {
        if (markup[i] == '<') {
            const std::size_t end = markup.find('>', i);
            if (end == std::string_view::npos) break;
            auto it = kTags.find(std::string(markup.substr(i + 1, end - i - 1)));
            if (it != kTags.end()) out += it->second;
            i = end + 1;
        } else {
            if (markup[i] != '\r' && markup[i] != '\n') out += markup[i];
            ++i;
        }
    }
    return out;
}

// The formatting in force where each word of paragraph markup starts, from its tags (first
// occurrence of each word). Words are runs of visible characters between blanks, tabs and
// line ends.
struct WordStyle {
    bool bold = false, italic = false, underline = false, strike = false;
    std::string size, font, colour, align = "rr";
};

inline std::map<std::string, WordStyle> wordStyles(std::string_view markup) {
    std::map<std::string, WordStyle> out;
    WordStyle now;
    std::string word;
    WordStyle atStart;
    auto endWord = [&] {
        if (!word.empty()) out.emplace(word, atStart);
        word.clear();
    };
    auto addChar = [&](const std::string& c) {
        if (word.empty()) atStart = now;
        word += c;
    };
    for (std::size_t i = 0; i < markup.size();) {
        if (markup[i] != '<') {
            const char c = markup[i++];
            if (c == ' ' || c == '\r' || c == '\n') endWord();
            else addChar(std::string(1, c));
            continue;
        }
        const std::size_t end = markup.find('>', i);
        if (end == std::string_view::npos) break;
        const std::string tag(markup.substr(i + 1, end - i - 1));
        i = end + 1;
        const std::string name = tag.substr(0, 2), arg = tag.size() > 3 ? tag.substr(3) : "";
        if (name == "bd") now.bold = arg != "0";
        else if (name == "it") now.italic = arg != "0";
        else if (name == "ul") now.underline = arg != "0";
        else if (name == "st") now.strike = arg != "0";
        else if (name == "fs") now.size = arg;
        else if (name == "ff") now.font = arg;
        else if (name == "co") now.colour = arg;
        else if (name == "rr" || name == "rl" || name == "ce" || name == "ju") now.align = name;
        else if (name == "zl") addChar("<");
        else if (name == "zr") addChar(">");
        else if (name == "tb" || name == "nl" || name == "sl" || name == "ss" || name == "dn" || name == "dm") endWord();
    }
    endWord();
    return out;
}

// True when the bytes are well-formed UTF-8 (shortest forms, no surrogates).
inline bool isUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        char32_t cp = n == 1 ? c : c & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if ((n == 2 && cp < 0x80) || (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000) || cp > 0x10FFFF ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n;
    }
    return true;
}

// LibreOffice (headless) turns documents into RTF in one run: `sources` maps file names
// (".html" or ".fodt") to their content; the result maps each source name to the RTF text
// written for it (missing when the conversion failed). Empty and `available` false when
// soffice is not installed.
struct LibreOfficeRtf {
    bool available = false;
    std::string log;
    std::map<std::string, std::string> rtf;
};

inline LibreOfficeRtf convertWithLibreOffice(const ScratchDir& dir, const std::map<std::string, std::string>& sources) {
    LibreOfficeRtf result;
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) return result;
    result.available = true;
    std::string command = "cd '" + dir.path().string() + "' && timeout 240 soffice -env:UserInstallation=file://" +
                          (dir.path() / "profile").string() +
                          " --headless --convert-to 'rtf:Rich Text Format' --outdir out";
    for (const auto& [name, content] : sources) {
        dir.write(name, content);
        command += " '" + name + "'";
    }
    command += " >log.txt 2>&1";
    const int status = std::system(command.c_str());
    result.log = readFile(dir.path() / "log.txt") + "\nexit status " + std::to_string(status);
    for (const auto& [name, content] : sources) {
        const auto out = dir.path() / "out" / std::filesystem::path(name).replace_extension(".rtf");
        if (std::filesystem::exists(out)) result.rtf[name] = readFile(out);
    }
    return result;
}

}  // namespace kalder::test
