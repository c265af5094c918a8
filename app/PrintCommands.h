// The printing commands of the kalder tool: `kalder print` and `kalder printers`.
#pragma once

#include <string>
#include <vector>

namespace kalder::app {

// kalder print FILE.xml [--printer NAME] [--pages LIST] [--copies N] [--collate|--no-collate]
//                       [--odd|--even] [--orientation portrait|landscape|asis]
int printCommand(const std::vector<std::string>& args);
// kalder printers: each printer with its driver, port, paper sizes and bins.
int printersCommand(const std::vector<std::string>& args);

inline constexpr const char* kPrintUsage =
    "  kalder print FILE.xml [--printer NAME] [--pages 1,3,5-12] [--copies N]\n"
    "               [--collate|--no-collate] [--odd|--even] [--orientation portrait|landscape|asis]\n"
    "                              print a saved document (on the default printer without --printer)\n"
    "  kalder printers             list the printers with their paper sizes and bins\n";

}  // namespace kalder::app
