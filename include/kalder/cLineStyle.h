// Line style record: pen type, width and colour of a line, border or outline (public: the
// rulings of a column report are line styles).
// A value type: copying it is the record's Copy.
#pragma once

#include <cstdint>

namespace kalder {

struct cLineStyle {
    std::int32_t LineType = 0;   // DrawStyleType: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible, 6 inside solid
    std::int32_t LineWidth = 0;  // twips; thinner than a device pixel draws one pixel
    std::int32_t Color = 0;      // RGB with red in the low byte

    friend bool operator==(const cLineStyle&, const cLineStyle&) = default;
};

}  // namespace kalder
