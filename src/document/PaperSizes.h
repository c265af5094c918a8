// Portrait sizes of the paper sizes in twips.
#pragma once

#include <cstdint>

namespace kalder {

struct PaperExtent {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// Portrait width and height of an ePaperSize. A user-defined size (42) is the given user
// size when its width is not 0, else 11907 x 16840; values outside 0..42 give 0 x 0.
PaperExtent paperExtent(std::int32_t paperSize, std::int32_t userWidth = 0, std::int32_t userHeight = 0);

}  // namespace kalder
