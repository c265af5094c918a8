// Outside tools and scratch files: running a command line for its output and exit status,
// what qpdf and pdfinfo say about a PDF, and a folder of a test's own for the files it writes.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace kalder::test {

struct ToolResult {
    int status = -1;     // the exit status; -1 when the command could not be started or did not exit
    std::string output;  // standard output and standard error, interleaved
};

inline ToolResult runTool(const std::string& command) {
    ToolResult r;
    FILE* pipe = popen(("(" + command + ") 2>&1").c_str(), "r");
    if (!pipe) return r;
    std::array<char, 512> buf{};
    while (const std::size_t n = std::fread(buf.data(), 1, buf.size(), pipe)) r.output.append(buf.data(), n);
    const int status = pclose(pipe);
    if (status != -1 && WIFEXITED(status)) r.status = WEXITSTATUS(status);
    return r;
}

// qpdf's verdict on a file: exit status 0, no syntax or stream errors and no warnings.
inline ::testing::AssertionResult PassesQpdf(const std::string& file) {
    const ToolResult r = runTool("qpdf --check '" + file + "'");
    if (r.status == 0 && r.output.find("No syntax or stream encoding errors found") != std::string::npos &&
        r.output.find("WARNING") == std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "qpdf --check " << file << " (status " << r.status << "): " << r.output;
}

// The value pdfinfo prints for `field` ("Pages", "Page size", "Creator", ...); "" when none.
inline std::string pdfInfo(const std::string& file, const std::string& field) {
    const std::string out = "\n" + runTool("pdfinfo '" + file + "'").output;
    std::size_t at = out.find("\n" + field + ":");
    if (at == std::string::npos) return "";
    at = out.find_first_not_of(' ', at + field.size() + 2);
    return out.substr(at, out.find('\n', at) - at);
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// xmllint's verdict on a file: well-formed means exit status 0 and nothing printed.
inline ::testing::AssertionResult PassesXmllint(const std::string& file) {
    const ToolResult r = runTool("xmllint --noout '" + file + "'");
    if (r.status == 0 && r.output.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "xmllint rejects " << file << " (status " << r.status << "): " << r.output;
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchDir {
public:
    ScratchDir() {
        static int counter = 0;
        do
            path_ = std::filesystem::temp_directory_path() /
                    ("kalder-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        while (!std::filesystem::create_directory(path_));
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    // Writes `bytes` to `name` in the folder; gives the file's path.
    std::string write(const std::string& name, std::string_view bytes) const {
        writeFile(file(name), bytes);
        return file(name);
    }
    std::string read(const std::string& name) const { return readFile(file(name)); }
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

}  // namespace kalder::test
