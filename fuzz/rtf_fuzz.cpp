// libFuzzer target for the RTF reader: whatever the bytes, the reader must return one of its
// named result codes, write nothing on failure and well-formed UTF-8 on success, without
// crashing or hanging. Seeds: fuzz/corpus/rtf/.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "richtext/RtfReader.h"

namespace {

bool isUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kalder::rtf::ResultCode;
    const kalder::rtf::ReadResult r = kalder::rtf::readRtf({reinterpret_cast<const char*>(data), size});
    switch (r.code) {
        case ResultCode::Success:
            if (!isUtf8(r.markup)) std::abort();
            break;
        case ResultCode::UnmatchedClose:
        case ResultCode::InvalidHexDigit:
        case ResultCode::GroupsTooDeep:
            if (!r.markup.empty()) std::abort();
            break;
        default: std::abort();  // the table and the input states never produce the others
    }
    return 0;
}
