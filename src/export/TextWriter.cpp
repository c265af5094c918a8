#include "export/TextWriter.h"

#include "core/AtomicFile.h"
#include "core/Progress.h"
#include "document/cDocument.h"
#include "kalder/AutomationError.h"

namespace kalder {

namespace {
// The text is handed to the file in pieces of about this size, so a long document is never
// held twice.
constexpr std::size_t kChunk = 64 * 1024;
}  // namespace

std::size_t TextWriter::write(const cDocument& doc, const std::string& path) {
    if (path.empty()) throw AutomationError(-69, "Kalder", "The filename is missing");
    AtomicFile file(path, "ExportText");
    text_.clear();
    text_.reserve(2 * kChunk);
    std::int32_t done = 0;
    for (const auto& page : doc.pages()) {
        line("Page: " + page->Key);
        line("");
        if (const auto inside = page->Frames().Item(std::string_view("inside"))) writeFrame(*inside);
        if (text_.size() >= kChunk) {
            file.write(text_);
            text_.clear();
        }
        reportPage(++done, static_cast<std::int32_t>(doc.PagesCount()));
    }
    file.write(text_);
    file.commit();
    return file.written();
}

void TextWriter::textLine(std::string_view text, std::int32_t, std::int32_t, std::int32_t) { line(text); }
void TextWriter::paragraph(std::string_view markup) { line(markup); }

void TextWriter::line(std::string_view text) {
    text_ += text;
    text_ += "\r\n";
}

}  // namespace kalder
