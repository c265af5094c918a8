// What the fuzz targets share: a Qt application for fonts and images, a scratch folder, a
// reader that turns the fuzz bytes into choices, and checks of what the library wrote.
//
// A target raises nothing but kalder::AutomationError out of the library; any other exception
// reaches libFuzzer (or the replay main) as an uncaught exception and is reported as a crash.
// Checks that fail call std::abort() so that libFuzzer keeps the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace kalder::fuzz {

// Fonts, images and page layout need a QGuiApplication on the offscreen platform; made once,
// from LLVMFuzzerInitialize.
void startQt();

// A folder of this process under the system's temporary folder, emptied at each call.
std::filesystem::path scratchFolder();

// Well-formed UTF-8: no stray continuation bytes, no truncated sequence, no overlong form.
bool isUtf8(std::string_view s);

// Reads the whole file ("" when it cannot be read).
std::string readFile(const std::filesystem::path& file);

// Consumes the fuzz bytes front to back; once they run out every answer is zero or empty, so
// that a short input still makes a valid (small) program of calls.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : p_(data), end_(data + size) {}

    bool empty() const { return p_ == end_; }
    std::uint8_t byte() { return p_ == end_ ? 0 : *p_++; }
    // A value in [0, n).
    std::uint32_t below(std::uint32_t n) { return n == 0 ? 0 : word() % n; }
    bool flag() { return (byte() & 1) != 0; }
    std::int32_t int32() { return static_cast<std::int32_t>(word()); }
    std::uint32_t word() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | byte();
        return v;
    }
    // A string of at most `max` bytes, its length taken from the first byte.
    std::string text(std::size_t max) {
        std::size_t n = byte() % (max + 1);
        if (n > static_cast<std::size_t>(end_ - p_)) n = static_cast<std::size_t>(end_ - p_);
        std::string s(reinterpret_cast<const char*>(p_), n);
        p_ += n;
        return s;
    }
    // What is left, as text.
    std::string rest() {
        std::string s(reinterpret_cast<const char*>(p_), static_cast<std::size_t>(end_ - p_));
        p_ = end_;
        return s;
    }

private:
    const std::uint8_t* p_;
    const std::uint8_t* end_;
};

// Aborts with a message naming the check when `ok` is false.
inline void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

}  // namespace kalder::fuzz
