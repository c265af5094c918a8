// The window commands of the kalder tool: `kalder show` and the window of `kalder demo --show`.
#pragma once

#include <string>
#include <vector>

namespace kalder {
class Preview;
}

namespace kalder::app {

// kalder show FILE [--screenshot OUT.png [--zoom Z] [--page N] [--size WxH]]
// FILE is a saved document (.xml), an RTF file (.rtf) or a plain text file (.txt).
int showCommand(const std::vector<std::string>& args);

// Shows the document in the preview window until the user closes it; 1 when no window can
// be shown.
int showWindow(Preview& pv);

inline constexpr const char* kShowUsage =
    "  kalder show FILE            show a document (.xml), an RTF file (.rtf) or a text file (.txt)\n"
    "                              in the preview window\n"
    "  kalder show FILE --screenshot OUT.png [--zoom PERCENT|width|whole|two] [--page N] [--size WxH]\n"
    "                              save a picture of the window (drawn off screen) and exit\n"
    "  kalder demo --show          show the demo document in the preview window\n";

}  // namespace kalder::app
