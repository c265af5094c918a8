// Helpers of the print tests: a temporary folder, running a command, page counts by pdfinfo.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace kalder::test {

struct TempFolder {
    std::filesystem::path path;
    TempFolder() {
        path = std::filesystem::temp_directory_path() /
               ("kalder-print-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
};

struct CommandResult {
    int status = -1;
    std::string output;
};

// Runs a shell command, standard error joined to standard output.
inline CommandResult runCommand(const std::string& command) {
    CommandResult r;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return r;
    std::array<char, 512> buf{};
    while (fgets(buf.data(), buf.size(), pipe)) r.output += buf.data();
    r.status = pclose(pipe);
    return r;
}

// The page count pdfinfo reads from a PDF file; -1 when it cannot read one.
inline int pdfPageCount(const std::filesystem::path& file) {
    const CommandResult r = runCommand("pdfinfo '" + file.string() + "'");
    if (r.status != 0) return -1;
    const auto at = r.output.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(r.output.substr(at + 6));
}

}  // namespace kalder::test
