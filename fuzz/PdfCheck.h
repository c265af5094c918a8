// A PDF judged by libqpdf, as `qpdf --check` judges it; aborts the fuzz input on any fault.
#pragma once

#include <cstdint>
#include <string>

namespace kalder::fuzz {

// Parses `file` without recovery, reads every page's content, decodes every stream while
// writing the file to nowhere; fails on any error or warning, or a page count other than `pages`.
void checkPdf(const std::string& file, std::int32_t pages);

}  // namespace kalder::fuzz
