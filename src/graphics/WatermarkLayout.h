// Where a watermark goes: a text turned to run along the sheet's diagonal from the bottom-left
// to the top-right corner, centred on the sheet, as large as the diagonal allows.
//
// Rotation (whole degrees, counter-clockwise): the diagonal's angle above the horizontal,
//   round((pi/2 - atan(width / height)) * 180 / pi), pi taken as 3.14159,
// i.e. atan(height / width) written as the complement of the angle the diagonal makes with
// the vertical edge. A square sheet gives 45, A4 portrait 55, A4 landscape 35.
//
// Font size: the text is measured once at a measuring size; sizes scale the measures
// linearly. With the measured width w and line height h at the measuring size, and a the
// rotation in radians, the scale k is the smallest of
//   0.8 x diagonal / w                   the text spans 80% of the diagonal,
//   width  / (w cos a + h sin a)         the turned line still fits across the sheet
//   height / (w sin a + h cos a)         and down the sheet (this bounds short texts),
// and the font size is the measuring size x k, rounded to whole twentieths of a point, and no
// larger than the largest font size (1638 pt; a short text on a sheet of some metres).
//
// Start point: rotated text is drawn from the top-left corner of its line. For the text's
// middle to fall on the sheet's centre (W/2, H/2), with the final width w and line height h,
// the corner is the centre minus half the width along the text and half the height across:
//   x = W/2 - (w/2) cos a - (h/2) sin a
//   y = H/2 + (w/2) sin a - (h/2) cos a        (y grows downwards)
#pragma once

#include <cstdint>

namespace kalder {

struct WatermarkPlacement {
    std::int32_t rotation = 0;  // degrees
    float fontSize = 0;         // twentieths of a point
};

constexpr float kWatermarkMeasuringSize = 2000;  // 100 pt

// `width` and `height` are the text's width and line height at kWatermarkMeasuringSize.
WatermarkPlacement placeWatermark(std::int32_t pageWidth, std::int32_t pageHeight, double width, double height);

struct WatermarkStart {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// The top-left corner of the turned line whose width and height at the final size are given.
WatermarkStart watermarkStart(std::int32_t pageWidth, std::int32_t pageHeight, std::int32_t rotation, double width,
                              double height);

}  // namespace kalder
