// HtmlWriter: writes a document as one HTML file per page, "<page key>.htm" in a folder.
//
// Every frame of the page becomes an absolutely placed layer ("Layer1", "Layer2", ... in the
// page's frame order, z-index rising with it, so later frames lie over earlier ones) at the
// frame's rectangle in CSS pixels of 15 twips: a CSS pixel is 1/96 inch on every screen, so
// the page keeps its size whatever the reader's display. Inside its layer each line of text
// is placed at its point (the right end for right-aligned lines, the centre for centred ones,
// turned about its top left when the style has a rotation) in its running font, size, weight,
// slant, underline, strikethrough and colour, and kept on one line. Paragraphs and the graphic
// kinds write nothing; style changes set the attributes of the lines after them.
//
// The head lines are fixed (the HTML 3.2 document type and a generator line naming Kalder and
// its version), so a page cannot declare its encoding. Everything outside ASCII is therefore
// written as a numeric character reference, which every browser reads alike whatever encoding
// it guesses for an undeclared file; "&", "<", ">" and '"' are written as entities, bytes that
// are not UTF-8 as U+FFFD, and control characters other than tab as spaces. Lines end with
// CR LF. Each file is written beside its target and renamed when complete.
//
// A missing folder is created, with its parents: EndDocument names the folder after the
// output file less its extension, which rarely exists beforehand.
//
// Errors:
//   -69 "Kalder" "The filename is missing": an empty folder name.
//   52 "ExportHTML" "Bad file name or number : <key>": a page key that is not a plain file name
//      (empty, "." or "..", or holding "/", "\" or a NUL byte), whose page would be written
//      outside the folder or not at all. Every key is checked first: nothing is written then.
//   75 "ExportHTML" "Path/File access error : <path>: <reason>": the folder cannot be created,
//      or a page's file cannot be written (the pages before it are complete files).
//
// One writer per export: two exports may run at once on two documents in two threads.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "document/TextSink.h"

namespace kalder {

class cDocument;
class cPage;
class TaskPipeline;

// Twips in one CSS pixel (1/96 inch).
constexpr double kHtmlTwipsPerPixel = 15.0;

// True for a page key that names a file inside the export folder.
bool isPlainFileName(std::string_view key);

// Appends `utf8` as HTML text in ASCII, escaped as the header says.
void appendHtmlText(std::string& out, std::string_view utf8);

class HtmlWriter final : public TextSink {
public:
    // Writes every page of `doc` into `folder`; returns the number of files written.
    int write(const cDocument& doc, const std::string& folder);

    void textLine(std::string_view text, std::int32_t x, std::int32_t y, std::int32_t align) override;
    // A paragraph writes nothing into a page: only lines of text are placed.
    void paragraph(std::string_view) override {}

private:
    void writePage(const cPage& page, const std::filesystem::path& folder);

    std::string page_;  // the file being built
    TaskPipeline* pipeline_ = nullptr;  // writes each finished page
    std::int32_t frameX_ = 0, frameY_ = 0;  // the current layer's place, page twips
};

}  // namespace kalder
