#include "Commands.h"

#include <filesystem>
#include <functional>
#include <iostream>
#include <map>

#include "Demo.h"
#include "Outline.h"
#include "kalder/Preview.h"

namespace kalder::app {

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  kalder demo [--out DIR]     build the demo document, write its files into DIR, print its outline\n"
    "  kalder info FILE.xml        print the outline of a saved document\n";

int usage() {
    std::cerr << kUsage;
    return 2;
}

int demo(const std::vector<std::string>& args) {
    std::filesystem::path out = ".";
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size())
            out = args[++i];
        else
            return usage();
    }
    std::filesystem::create_directories(out);
    Preview pv;
    buildDemo(pv);
    printOutline(std::cout, pv.document());
    const std::string xml = (out / "demo.xml").string();
    pv.SaveXML(xml);
    std::cout << "wrote " << xml << '\n';
    return 0;
}

int info(const std::vector<std::string>& args) {
    if (args.size() != 2) return usage();
    Preview pv;
    pv.LoadXMLFromFile(args[1]);
    printOutline(std::cout, pv.document());
    return 0;
}

}  // namespace

int run(const std::vector<std::string>& args) {
    static const std::map<std::string, std::function<int(const std::vector<std::string>&)>> commands = {
        {"demo", demo},
        {"info", info},
    };
    if (args.empty()) return usage();
    auto it = commands.find(args[0]);
    if (it == commands.end()) return usage();
    try {
        return it->second(args);
    } catch (const AutomationError& e) {
        std::cerr << "kalder: error " << e.number() << " (" << e.source() << "): " << e.description() << '\n';
    } catch (const std::exception& e) {
        std::cerr << "kalder: " << e.what() << '\n';
    }
    return 1;
}

}  // namespace kalder::app
