// kalder convert FILE.xml OUT: writes the document in the format OUT's extension names;
// writeDocument does the writing for every command that ends in a file.
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "Commands.h"
#include "export/PageImages.h"
#include "kalder/Preview.h"

namespace kalder::app {

int convert(const std::vector<std::string>& args) {
    if (args.size() != 3) {
        std::cerr << "usage: kalder convert FILE.xml OUT.{pdf,xml,rtf,htm,txt,bmp,jpg,png}\n";
        return 2;
    }
    Preview pv;
    pv.LoadXMLFromFile(args[1]);
    return writeDocument(pv, args[2], args[1]);
}

int writeDocument(Preview& pv, const std::filesystem::path& out, const std::string& what) {
    std::string ext = out.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    // Page images are named by page: OUT without its extension, then the page number.
    const std::string base = (out.parent_path() / out.stem()).string();
    PageImageOptions images;
    images.printer = currentPrinterMetrics(pv);
    if (ext == ".pdf") {
        pv.ExportPDF(out.string());
        if (pv.PDFReplacedCharacters() > 0)
            std::cerr << "kalder: " << pv.PDFReplacedCharacters()
                      << " characters outside Windows-1252 were written as \"?\"\n";
    } else if (ext == ".xml") {
        pv.SaveXML(out.string());
    } else if (ext == ".rtf") {
        pv.ExportRTF(out.string());
    } else if (ext == ".txt") {
        pv.ExportText(out.string());
    } else if (ext == ".htm" || ext == ".html") {
        pv.ExportHTML(base);  // one file per page, in a folder named as OUT without its extension
        std::cout << "wrote the pages of " << what << " into " << base << '\n';
        return 0;
    } else if (ext == ".bmp") {
        exportPageImages(pv.document(), base, PageImageFormat::Bmp, images);
    } else if (ext == ".jpg" || ext == ".jpeg") {
        exportPageImages(pv.document(), base, PageImageFormat::Jpeg, images);
    } else if (ext == ".png") {
        exportPageImages(pv.document(), base, PageImageFormat::Png, images);
    } else {
        std::cerr << "kalder: no writer for \"" << ext << "\" files\n";
        return 2;
    }
    std::cout << "wrote " << out.string() << '\n';
    return 0;
}

}  // namespace kalder::app
