// Helpers of the print tests: a temporary folder, running a command, page counts by pdfinfo,
// many values joined into one text, and a Preview that counts its events.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "kalder/Preview.h"
#include "support/ErrorMatchers.h"
#include "support/TableTest.h"

namespace kalder::test {

struct TempFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
        ("kalder-print-" + std::to_string(::getpid()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempFolder() { std::filesystem::remove_all(path), std::filesystem::create_directories(path); }
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

// What pdfinfo says of a PDF file ("" when it cannot read one).
inline std::string pdfInfo(const std::filesystem::path& file) {
    const CommandResult r = runCommand("pdfinfo '" + file.string() + "'");
    return r.status == 0 ? r.output : std::string();
}

// The page count pdfinfo reads from a PDF file; -1 when it cannot read one.
inline int pdfPageCount(const std::filesystem::path& file) {
    const std::string info = pdfInfo(file);
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

// The values written one after another, each followed by "|", to compare many at once.
template <class... T>
std::string joined(const T&... values) {
    std::ostringstream out;
    ((out << values << '|'), ...);
    return out.str();
}

// A Preview that counts the events it raises.
struct CountedPreview {
    Preview pv;
    int complete = 0, cancel = 0, custom = 0;
    CountedPreview() {
        pv.onPrintComplete = [this] { ++complete; };
        pv.onPrintCancel = [this] { ++cancel; };
        pv.onCustomButtonClick = [this] { ++custom; };
    }
};

}  // namespace kalder::test
