#include "Commands.h"

#include <filesystem>
#include <functional>
#include <iostream>
#include <map>

#include <charconv>

#include "Demo.h"
#include "export/PageImages.h"
#include "Outline.h"
#include "PrintCommands.h"
#include "ShowCommands.h"
#include "TerminalProgress.h"
#include "kalder/Preview.h"

namespace kalder::app {

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  kalder demo [--out DIR]     build the demo document, write its files into DIR, print its outline\n"
    "  kalder info FILE.xml        print the outline of a saved document\n"
    "  kalder render FILE.xml PREFIX [--zoom PERCENT] [--format bmp|jpg|png]\n"
    "                              write page n as PREFIXn.bmp (zoom 100 = 96 dots per inch)\n"
    "  kalder convert FILE.xml OUT write the document as OUT's extension names (.pdf .xml .rtf .htm .txt .bmp .jpg .png)\n"
    "  kalder report DATABASE SQL OUT [--group COLUMN] [--sum|--count|--min|--max|--avg COLUMN]... [--font-size PT]\n"
    "                              a column report of the query's rows (DATABASE: an SQLite file or a PostgreSQL\n"
    "                              connection string), written as OUT's extension names\n";

int usage() {
    std::cerr << kUsage << kPrintUsage << kShowUsage;
    return 2;
}

int demo(const std::vector<std::string>& args) {
    std::filesystem::path out = ".";
    bool show = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == "--show")
            show = true;
        else
            return usage();
    }
    std::filesystem::create_directories(out);
    Preview pv;
    buildDemo(pv);
    printOutline(std::cout, pv.document());
    const std::string xml = (out / "demo.xml").string();
    pv.SaveXML(xml);
    const std::string pdf = (out / "demo.pdf").string();
    pv.ExportPDF(pdf);
    PageImageOptions options;
    options.printer = currentPrinterMetrics(pv);
    const int pages = exportPageImages(pv.document(), (out / "demo-page").string(), PageImageFormat::Png, options);
    const std::string rtf = (out / "demo.rtf").string(), text = (out / "demo.txt").string(),
                      html = (out / "demo-html").string();
    pv.ExportRTF(rtf);
    pv.ExportText(text);
    pv.ExportHTML(html);
    std::cout << "wrote " << xml << ", " << pdf << ", " << rtf << ", " << text << ", the pages as HTML in " << html
              << " and " << pages << " page images " << (out / "demo-page").string() << "N.png\n";
    return show ? showWindow(pv) : 0;
}

int info(const std::vector<std::string>& args) {
    if (args.size() != 2) return usage();
    Preview pv;
    pv.LoadXMLFromFile(args[1]);
    printOutline(std::cout, pv.document());
    return 0;
}

int render(const std::vector<std::string>& args) {
    if (args.size() < 3) return usage();
    PageImageOptions options;
    PageImageFormat format = PageImageFormat::Bmp;
    for (std::size_t i = 3; i < args.size(); ++i) {
        if (args[i] == "--zoom" && i + 1 < args.size()) {
            const std::string& z = args[++i];
            double percent = 0;
            auto res = std::from_chars(z.data(), z.data() + z.size(), percent);
            if (res.ec != std::errc{} || res.ptr != z.data() + z.size() || percent <= 0 || percent > 1000) {
                std::cerr << "kalder: --zoom takes a percentage from 1 to 1000\n";
                return 2;
            }
            options.zoom = percent / 100.0;
        } else if (args[i] == "--format" && i + 1 < args.size()) {
            const std::string& f = args[++i];
            if (f == "bmp") format = PageImageFormat::Bmp;
            else if (f == "jpg" || f == "jpeg") format = PageImageFormat::Jpeg;
            else if (f == "png") format = PageImageFormat::Png;
            else return usage();
        } else {
            return usage();
        }
    }
    Preview pv;
    pv.LoadXMLFromFile(args[1]);
    options.printer = currentPrinterMetrics(pv);
    const int n = exportPageImages(pv.document(), args[2], format, options);
    std::cout << "wrote " << n << (n == 1 ? " page" : " pages") << " as " << args[2] << "N" << extensionOf(format) << '\n';
    return 0;
}

}  // namespace

int run(const std::vector<std::string>& args) {
    static const std::map<std::string, std::function<int(const std::vector<std::string>&)>> commands = {
        {"demo", demo},
        {"info", info},
        {"render", render},
        {"print", printCommand},
        {"printers", printersCommand},
        {"convert", convert},
        {"report", report},
        {"show", showCommand},
    };
    if (args.empty()) return usage();
    auto it = commands.find(args[0]);
    if (it == commands.end()) return usage();
    try {
        const TerminalProgress progress;
        return it->second(args);
    } catch (const AutomationError& e) {
        std::cerr << "kalder: error " << e.number() << " (" << e.source() << "): " << e.description() << '\n';
    } catch (const std::exception& e) {
        std::cerr << "kalder: " << e.what() << '\n';
    }
    return 1;
}

}  // namespace kalder::app
