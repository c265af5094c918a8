// TextWriter: writes a document as one plain-text file. For every page in order: "Page: " and
// the page's key, an empty line, then, when the page has a frame named "inside", one line for
// each line of text and each paragraph of that frame in element order (a paragraph's text with
// its tags as written). Other frames and the other kinds write nothing. The text is UTF-8, as
// the document holds it; lines end with CR LF. The file is written beside its target and
// renamed when complete, so a failed export leaves any previous file as it was.
//
// Errors: -69 "Kalder" "The filename is missing" for an empty name; 75 "ExportText"
// "Path/File access error : <path>: <reason>" when the file cannot be written (a missing
// folder included: the file's folder is the caller's).
//
// One writer per export: two exports may run at once on two documents in two threads.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/TextSink.h"

namespace kalder {

class cDocument;

class TextWriter final : public TextSink {
public:
    // Writes `doc` to `path`; returns the bytes written.
    std::size_t write(const cDocument& doc, const std::string& path);

    void textLine(std::string_view text, std::int32_t x, std::int32_t y, std::int32_t align) override;
    void paragraph(std::string_view markup) override;

private:
    void line(std::string_view text);

    std::string text_;
};

}  // namespace kalder
