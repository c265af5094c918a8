// Sub-commands of the kalder tool.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kalder {
class Preview;
}

namespace kalder::app {

// Runs the command named by args[0]; returns the process exit code.
int run(const std::vector<std::string>& args);

// The sub-commands that live in files of their own.
int convert(const std::vector<std::string>& args);
int report(const std::vector<std::string>& args);

// Writes the document of `pv` as OUT's extension names (.pdf .xml .rtf .htm .txt .bmp .jpg
// .png); `what` names the document in messages. Returns the exit code.
int writeDocument(kalder::Preview& pv, const std::filesystem::path& out, const std::string& what);

}  // namespace kalder::app
