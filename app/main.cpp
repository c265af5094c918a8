// The kalder command-line tool.
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "Commands.h"

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");  // numbers and dates in the user's locale
    std::vector<std::string> args(argv + 1, argv + argc);
    return kalder::app::run(args);
}
