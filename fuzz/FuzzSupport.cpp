#include "FuzzSupport.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "core/QtRuntime.h"

// Fontconfig keeps what it learns about each font family asked for (documents name any family)
// for the life of the process; that is a cache, not a leak of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace kalder::fuzz {

void startQt() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ensureGuiApplication();
}

std::filesystem::path scratchFolder() {
    static const std::filesystem::path dir = [] {
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(std::filesystem::temp_directory_path() /
                                            ("kalder-fuzz-" + std::to_string(::getpid())),
                                        ec);
        });
        return std::filesystem::temp_directory_path() / ("kalder-fuzz-" + std::to_string(::getpid()));
    }();
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

bool isUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size() || (n == 2 && c < 0xC2)) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace kalder::fuzz
