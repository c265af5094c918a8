#include "Commands.h"

#include <iostream>

namespace kalder::app {

int run(const std::vector<std::string>& args) {
    std::cerr << "usage: kalder demo [--out DIR]\n";
    return args.empty() ? 2 : 2;
}

}  // namespace kalder::app
