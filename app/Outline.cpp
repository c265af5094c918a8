#include "Outline.h"

#include "document/cDocument.h"

namespace kalder::app {

namespace {
const char* kindName(std::int32_t kind) {
    static const char* const names[] = {"?",         "line",     "ellipse",   "graphic text", "paragraph",
                                        "symbol",    "form",     "barcode",   "picture",      "arrow",
                                        "page number", "reference", "point",   "polygon",      "rounded rectangle",
                                        "style change"};
    return kind >= 1 && kind <= 15 ? names[kind] : "element";
}
}  // namespace

void printOutline(std::ostream& out, const cDocument& doc) {
    out << "Document: " << doc.PagesCount() << (doc.PagesCount() == 1 ? " page" : " pages") << ", "
        << doc.NamedStyles.Count() << " named styles, current page \"" << doc.CurrentPage() << "\", frame \""
        << doc.CurrentFrame() << "\"\n";
    for (const auto& [name, value] : doc.DocInfo) out << "  info " << name << " = " << value << '\n';
    for (const auto& page : doc.pages()) {
        out << "Page \"" << page->Key << "\" (no. " << page->LogicalPageNo << "): " << page->PageWidth() << " x "
            << page->PageHeight() << " tw, paper " << page->PageSize()
            << (page->Style.Orientation == 2 ? ", landscape" : ", portrait") << ", inside (" << page->PageInsideLeft
            << ", " << page->PageInsideTop << ")-(" << page->PageInsideRight << ", " << page->PageInsideBottom
            << ")\n";
        for (const auto& frame : page->Frames()) {
            out << "  Frame \"" << frame->Key << "\" type " << frame->FrameType << " at (" << frame->xPos << ", "
                << frame->yPos << ") " << frame->Width << " x " << frame->Height << ", "
                << frame->Elements().Count() << (frame->Elements().Count() == 1 ? " element" : " elements")
                << '\n';
            for (const auto& element : frame->Elements())
                out << "    " << element->Key() << ": " << kindName(element->ElementType()) << '\n';
        }
    }
}

}  // namespace kalder::app
