// libFuzzer target for paragraph markup: whatever the bytes, laying them out as a paragraph
// (and laying out the continuation it hands back), and reading them as plain lines, ends
// without crashing or hanging, and a continuation never comes back without progress.
// Seeds: fuzz/corpus/markup/.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/cStyle.h"
#include "document/cDocument.h"
#include "richtext/ParaFlow.h"
#include "richtext/clex.h"

namespace {

// Layout is linear in the text; longer inputs only slow the search down.
constexpr std::size_t kMaxInput = 1 << 16;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > kMaxInput) return 0;
    // The first byte chooses the rectangle and AutoPara, the rest is the markup.
    const std::uint8_t shape = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    static const kalder::cDocument doc;
    const kalder::PageNumbering pages{&doc, doc.pages().Item(1).get()};
    const std::int32_t widths[] = {0, -300, 1, 2000, 9000};
    const std::int32_t heights[] = {0, 150, 600, 3000, 20000};
    const kalder::ParaRect rect{0, 0, widths[shape % 5], heights[(shape / 5) % 5]};
    const bool autoPara = (shape & 0x80) != 0;

    kalder::cStyle style;
    const kalder::ParaFlowResult first = kalder::flowParagraph(text, style, rect, autoPara, pages);
    if (!first.rest.empty()) {
        const std::string rest = first.rest.of(text);
        const kalder::ParaFlowResult second = kalder::flowParagraph(rest, style, rect, autoPara, pages);
        // A continuation that places lines moves on: it never hands back the same text.
        if (!second.lines.empty() && second.rest.of(rest) == rest) std::abort();
    }

    kalder::clex plain;
    plain.TokenString(std::string(text));
    for (std::size_t lines = 0;; ++lines) {
        if (lines > text.size() + 1) std::abort();  // every line takes at least one token
        if (plain.GetLine(rect.Width).Words.empty()) break;
    }
    return 0;
}
