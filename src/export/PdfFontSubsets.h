// The fonts a PDF embeds as subsets: one entry per font and style the page text used, the
// glyphs drawn with it and the text each glyph stands for, and at the end the subset font
// file HarfBuzz's subsetter cuts from it.
//
// Glyph codes: content streams are written and compressed page by page before the last page
// tells which glyphs a font needs, so a code must not depend on the subset. Codes are the
// font's own glyph ids, and the subset keeps every glyph at its id (HarfBuzz's RETAIN_GIDS):
// CID = GID with /CIDToGIDMap /Identity, nothing to renumber after the fact. The cost is a
// subset whose glyph tables still have an (empty) entry up to the highest id used: a few
// hundred bytes for a Latin or Cyrillic font, tens of kilobytes for a CJK one.
//
// Contract: entries are added and used on the writer's thread only. A font that HarfBuzz
// cannot read, or cannot cut a subset from when it is added, is refused (fontFor returns 0)
// and its runs keep the single-byte output.
#pragma once

#include <QByteArray>
#include <QRawFont>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kalder::pdf {

// Lets a caller change a font table as it is read (tests damage fonts with it).
using FontTableFilter = std::function<void(std::uint32_t tag, QByteArray& table)>;

struct SubsetFont {
    std::string name;       // "ABCDEF+PostScriptName"
    bool cff = false;       // CFF outlines: CIDFontType0 with FontFile3 /OpenType
    std::string file;       // the subset font program; empty when cutting it failed
    std::string widths;     // the /W array's contents, thousandths of the em
    std::string toUnicode;  // the ToUnicode CMap
    int bbox[4] = {0, 0, 0, 0};
    int ascent = 0, descent = 0, capHeight = 0, italicAngle = 0, flags = 4;
};

class FontSubsets {
public:
    explicit FontSubsets(FontTableFilter filter = {});
    ~FontSubsets();
    FontSubsets(const FontSubsets&) = delete;
    FontSubsets& operator=(const FontSubsets&) = delete;

    // The number (1 = the first) of the entry for `font`'s face, made on first use; 0 when
    // the font cannot be embedded.
    int fontFor(const QRawFont& font);
    // Advance of a glyph in thousandths of the em, as the /W array gives it.
    int advance(int font, std::uint32_t glyph);
    // Records a glyph as used; true when the text it stands for is known already.
    bool use(int font, std::uint32_t glyph);
    // The text a used glyph stands for; the first one given is kept.
    void setText(int font, std::uint32_t glyph, const std::u16string& text);
    // The nominal glyph of a character in the font, 0 when it has none.
    std::uint32_t glyphOf(int font, char32_t c) const;

    std::size_t size() const { return fonts_.size(); }
    // Cuts the subset of entry `font` and gathers what its PDF objects need.
    SubsetFont finish(int font);

    struct Face;  // one font's tables, HarfBuzz objects and used glyphs

private:
    std::vector<std::unique_ptr<Face>> fonts_;
    std::map<std::string, int> byKey_;
    FontTableFilter filter_;
};

}  // namespace kalder::pdf
