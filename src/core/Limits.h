// Resource limits: every bound the library puts on what it reads or builds, one constant
// each with the reason for its value, so that a reader can find them in one place and tests
// can probe just below and just above each one.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kalder::limits {

// Nested RTF groups the reader accepts; one more ends the import. Word processors nest a
// handful of levels, and a bound keeps hostile input from growing the saved-state stack.
inline constexpr std::int32_t kRtfGroupDepth = 100;

// Bytes of an RTF font name that are kept; every font switch writes the name into the markup,
// so the bound keeps that output proportional to the input. Real family names are far shorter.
inline constexpr std::size_t kRtfFontNameBytes = 128;

// Largest RTF font size in half-points (1638 pt, the largest size word processors offer);
// larger sizes are clamped so that layout never meets an absurd font.
inline constexpr std::int32_t kRtfFontSizeHalfPoints = 3276;

// Largest font size in points a markup "fs" tag sets (the largest size word processors offer);
// larger sizes are clamped so that layout never asks the font system for an absurd font.
inline constexpr float kMarkupFontPoints = 1638.0F;

// Largest offset in twips (about 11,650 inches) a markup tag gives for a position, tab stop or
// indent; larger values are clamped, so sums of positions and widths stay inside 32 bits.
inline constexpr std::int32_t kMarkupOffsetTwips = 1 << 24;

// Tab stops one paragraph keeps; further "ts" tags are ignored. The continuation prefix repeats
// every stop, so the bound keeps it short; typeset pages use a dozen.
inline constexpr std::size_t kMarkupTabStops = 64;

// Bytes of a markup font name that are kept; real family names are far shorter, and the name
// is repeated in every continuation prefix and looked up by the font system.
inline constexpr std::size_t kMarkupFontNameBytes = 128;

}  // namespace kalder::limits

namespace kalder::limits {

// Pixels a picture may decode to (8192 x 8192, 256 MiB at four bytes a pixel, which is also
// what Qt's image readers allocate at most by default). Larger pictures are refused before
// their pixels are read: a 20,000 x 20,000 image would take 1.6 GB for one element.
inline constexpr std::int64_t kPicturePixels = 8192LL * 8192LL;

// Bytes of a picture file that are read; a picture within the pixel bound is far smaller in
// any compressed format, and the bound keeps a mistaken name (a disk image) from being read.
inline constexpr std::int64_t kPictureFileBytes = 512LL * 1024 * 1024;

// Pixels of one page image (BMP, JPEG, PNG export and `kalder render`): 16384 x 16384, 1 GiB
// at four bytes a pixel, an A4 page at about 1,900 dots per inch. Checked before allocating.
inline constexpr std::int64_t kPageImagePixels = 16384LL * 16384LL;

// Fonts one PDF embeds as subsets; runs in any further font keep the single-byte text. Each
// embedded font keeps its tables in memory until the file is written, and documents use a
// handful of fonts (with fallbacks, a few more).
inline constexpr std::size_t kPdfEmbeddedFonts = 64;

}  // namespace kalder::limits

namespace kalder::limits {

// Largest page width or height in twips: 200 inches, the largest page PDF readers show
// (PDF's own limit of 14,400 units). Refused beyond, on load and from PageWidth/PageHeight,
// before anything is laid out on such a page.
inline constexpr std::int32_t kPageTwips = 200 * 1440;

// Largest font size a document file gives, in twentieths of a point (1638 pt, the largest
// size word processors offer).
inline constexpr std::int32_t kFontSizeTwentieths = 1638 * 20;

// Levels of nested elements a document file may have. Kalder's own files nest ten levels; a
// kind kept unread may nest more, and the bound keeps a hostile file from making saving
// (where every level is indented) quadratic and copying recursive.
inline constexpr int kXmlDepth = 100;

// Chains of references (a reference to a reference to ...) have no bound: a drawing follows a
// chain without recursion and resolves each link once a page, and a chain that comes back on
// itself draws nothing (graphics/cReference.cpp).

}  // namespace kalder::limits

namespace kalder::limits {

// Font names whose installed family is remembered for the process; names past this are looked
// up again whenever they are met. A document uses a handful; the bound keeps a stream of
// made-up names from growing the table without end.
inline constexpr std::size_t kFontNames = 4096;

}  // namespace kalder::limits
