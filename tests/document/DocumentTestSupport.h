// Helpers shared by the document suites: a scratch folder per test, files read back as bytes,
// the check of written XML with xmllint (a parser nobody here wrote), numbers in the decimal
// mark of the locale in force, and short views of the tree (keys, rectangles).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "core/Locale.h"
#include "document/cDocument.h"
#include "document/cFrame.h"
#include "document/cPage.h"

namespace kalder::test {

// A folder of its own under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir() {
        static int counter = 0;
        namespace fs = std::filesystem;
        for (;;) {
            path_ = fs::temp_directory_path() /
                    ("kalder-doc-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
            if (fs::create_directory(path_)) break;
        }
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

    // Names of what the folder holds, sorted.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// xmllint's verdict on a file: well-formed means exit status 0 and nothing printed.
inline ::testing::AssertionResult PassesXmllint(const std::string& path) {
    const std::string command = "xmllint --noout '" + path + "' 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return ::testing::AssertionFailure() << "cannot run xmllint";
    std::string output;
    char buf[512];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) output.append(buf, n);
    const int status = ::pclose(pipe);
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || !output.empty())
        return ::testing::AssertionFailure() << "xmllint rejects " << path << " (status " << status << "): " << output;
    return ::testing::AssertionSuccess();
}

// A text written with "." as the decimal mark, in the mark of the locale in force.
inline std::string withMark(std::string text) {
    for (char& c : text)
        if (c == '.') c = decimalMark();
    return text;
}

struct Rect {
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Rect& r) {
        return os << "(" << r.x << ", " << r.y << ") " << r.width << " x " << r.height;
    }
};

inline Rect rectOf(const cFrame& f) { return {f.xPos, f.yPos, f.Width, f.Height}; }

inline std::vector<std::string> pageKeys(const cDocument& doc) {
    std::vector<std::string> keys;
    for (const auto& p : doc.pages()) keys.push_back(p->Key);
    return keys;
}

inline std::vector<std::string> frameKeys(const cPage& page) {
    std::vector<std::string> keys;
    for (const auto& f : page.Frames()) keys.push_back(f->Key);
    return keys;
}

inline std::vector<std::string> elementKeys(const cFrame& frame) {
    std::vector<std::string> keys;
    for (const auto& e : frame.Elements()) keys.push_back(e->Key());
    return keys;
}

}  // namespace kalder::test
