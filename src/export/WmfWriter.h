// A Windows metafile (WMF) of one run of turned text, the picture form word processors read
// for text at an angle: LibreOffice and Word both draw it where it belongs, turned, in the
// run's font, where a turned shape lands differently in each.
//
// Contract: turnedTextMetafile() gives the metafile's bytes and its bounds on the page
// (twips): the box of the run's cell, turned by the style's TextRotation counter-clockwise
// about (x, y), the top left of the cell. Logical units are twips, so the picture's size in
// twips is its window's. Metafile text is single-byte: a run with a character Windows-1252
// does not have gives std::nullopt (the caller draws it another way).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/cStyle.h"

namespace kalder {

struct Metafile {
    std::string bytes;
    std::int64_t left = 0, top = 0, right = 0, bottom = 0;
};

std::optional<Metafile> turnedTextMetafile(const std::string& utf8, std::int32_t x, std::int32_t y,
                                           const cStyle& style);

}  // namespace kalder
