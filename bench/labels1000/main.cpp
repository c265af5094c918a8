// Two 1,000-page documents measured against report-1000 (run_labels.sh):
//   labels: ten EAN-13 barcodes and one QR Code a page;
//   photo:  the same 2-megapixel JPEG photo on every page (the PDF should hold it once).
// Each is built through the public API and written as PDF; prints the seconds it took.
//   usage: kalder_labels1000 labels|photo out.pdf [photo.jpg]
#include <QColor>
#include <QImage>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "kalder/Preview.h"

using kalder::Preview;

namespace {

void labels(Preview& pv, int page) {
    constexpr std::int32_t kModule = 20;
    pv.DrawWidth(kModule);
    for (int i = 0; i < 10; ++i) {
        std::string data = std::to_string(400000000000LL + page * 10 + i);
        pv.AddBarCode(data, kalder::prEAN13, (i % 2) * 5600 + 700, (i / 2) * 2600 + 700, 95 * kModule, 1500);
    }
    // A QR Code of one inch, as a label layout fixes it; modules are a whole number of twips.
    const std::string url = "https://kalder.example/label/" + std::to_string(page);
    pv.AddBarCode(url, kalder::prQRCode, 700, 13800, 1440, 1440);
}

// A 1600 x 1250 picture with detail everywhere, so that JPEG has work to do.
void makePhoto(const std::string& path) {
    QImage photo(1600, 1250, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb((x * 7 + y) & 255, (x ^ y) & 255, (y * 3) & 255));
    photo.save(QString::fromStdString(path), "JPG", 90);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[1] : "";
    if (mode != "labels" && mode != "photo") {
        std::cerr << "usage: kalder_labels1000 labels|photo out.pdf [photo.jpg]\n";
        return 2;
    }
    const std::string photo = argc > 3 ? argv[3] : std::string(argv[2]) + ".jpg";
    if (mode == "photo") makePhoto(photo);
    const auto start = std::chrono::steady_clock::now();
    Preview pv;
    pv.AddFirstPage(0, 0, 0, 0, kalder::Variant::missing(), kalder::Variant::missing(), kalder::prPSA4);
    for (int p = 1; p <= 1000; ++p) {
        if (p > 1) pv.AddPage();
        pv.CurrentFrame("WholePage");
        if (mode == "labels")
            labels(pv, p);
        else
            pv.DrawPicture(photo, kalder::prSTInternal, "1 in", "1 in", "6 in", "4.69 in");
    }
    if (const char* level = std::getenv("KALDER_BENCH_PDF_LEVEL")) pv.PDFCompression(std::atoi(level));
    pv.ExportPDF(argv[2]);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.3f\n", s);
    return 0;
}
