// libFuzzer target for RTF poured into pages through the public API (ShowRTF): whatever the
// file, the import and the layout end without an error other than kalder's own, every added
// page holds at least one line (so pages stay within the lines the text can make), and the
// document saves as UTF-8. The first byte narrows the page, so that words meet frames too
// small for them. Seeds: fuzz/corpus/showrtf/.
#include <fstream>
#include <string>

#include "FuzzSupport.h"
#include "kalder/Preview.h"

namespace {

using kalder::fuzz::check;

// Layout is linear in the text at best; longer files only slow the search down.
constexpr std::size_t kMaxInput = 8 << 10;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kalder::fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > kMaxInput) return 0;
    static const std::string file = (kalder::fuzz::scratchFolder() / "in.rtf").string();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    }
    kalder::Preview p;
    // Side margins leaving the default width, 2000, 300 or 40 twips; top and bottom likewise.
    const std::int32_t margins[] = {0, 4000, 5600, 5900};
    if (const std::int32_t m = margins[data[0] & 3]) {
        p.PageMarginLeft(m);
        p.PageMarginRight(m);
    }
    if (const std::int32_t m = margins[(data[0] >> 2) & 3] * 2) {
        p.PageMarginTop(m);
        p.PageMarginBottom(m);
    }
    std::string markup;
    try {
        markup = p.RtfImport(file);
        p.ShowRTF(file);
    } catch (const kalder::AutomationError&) {
        // kalder's own error is an answer
    }
    check(p.TotalPages() >= 1, "a document keeps a page");
    check(static_cast<std::size_t>(p.TotalPages()) <= markup.size() + 1, "every added page holds a line");
    check(kalder::fuzz::isUtf8(p.SaveXMLString()), "the document saves as UTF-8");
    return 0;
}
