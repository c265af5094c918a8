// Sub-commands of the kalder tool.
#pragma once

#include <string>
#include <vector>

namespace kalder::app {

// Runs the command named by args[0]; returns the process exit code.
int run(const std::vector<std::string>& args);

// The sub-commands that live in files of their own.
int convert(const std::vector<std::string>& args);

}  // namespace kalder::app
