#include "export/PdfFontSubsets.h"

#include <hb-ot.h>
#include <hb-subset.h>
#include <hb.h>

#include <cmath>
#include <cstdio>

#include "core/Limits.h"

namespace kalder::pdf {

struct FontSubsets::Face {
    QRawFont raw;
    const FontTableFilter* filter = nullptr;
    // The tables as Qt's font engine gives them; HarfBuzz's blobs point into them, so they live
    // as long as the face.
    std::map<std::uint32_t, QByteArray> tables;
    hb_face_t* face = nullptr;
    hb_font_t* font = nullptr;
    bool cff = false;
    unsigned upem = 1000;
    std::string psName;
    // By glyph id: used, its text (empty: not known yet), its advance (-1: not asked yet).
    // Vectors, not maps: every glyph of every run is looked up here.
    std::vector<bool> used;
    std::vector<std::u16string> text;
    std::vector<int> advances;

    ~Face() {
        hb_font_destroy(font);
        hb_face_destroy(face);
    }
    const QByteArray& table(std::uint32_t tag) {
        auto it = tables.find(tag);
        if (it == tables.end()) {
            const char name[5] = {static_cast<char>(tag >> 24), static_cast<char>(tag >> 16),
                                  static_cast<char>(tag >> 8), static_cast<char>(tag), 0};
            QByteArray bytes = raw.fontTable(name);
            if (*filter) (*filter)(tag, bytes);
            it = tables.emplace(tag, std::move(bytes)).first;
        }
        return it->second;
    }
};

namespace {

hb_blob_t* tableOf(hb_face_t*, hb_tag_t tag, void* data) {
    const QByteArray& bytes = static_cast<FontSubsets::Face*>(data)->table(tag);
    if (bytes.isEmpty()) return hb_blob_get_empty();
    return hb_blob_create(bytes.constData(), static_cast<unsigned>(bytes.size()), HB_MEMORY_MODE_READONLY, nullptr,
                          nullptr);
}

int int16At(const QByteArray& t, int at) {
    if (t.size() < at + 2) return 0;
    return static_cast<std::int16_t>((static_cast<unsigned char>(t[at]) << 8) | static_cast<unsigned char>(t[at + 1]));
}

// The subset of the used glyphs (and .notdef) with every glyph at its id; nullptr when it fails.
hb_face_t* cut(hb_face_t* face, const std::vector<bool>& used) {
    hb_subset_input_t* input = hb_subset_input_create_or_fail();
    if (!input) return nullptr;
    hb_set_t* keep = hb_subset_input_glyph_set(input);
    hb_set_add(keep, 0);
    for (std::size_t g = 0; g < used.size(); ++g)
        if (used[g]) hb_set_add(keep, static_cast<hb_codepoint_t>(g));
    // The PDF places every glyph itself: layout tables would only pull in glyphs reachable by
    // substitution, and hints are for screens at small sizes, which the page image does without.
    hb_set_t* drop = hb_subset_input_set(input, HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (hb_tag_t t : {HB_TAG('G', 'S', 'U', 'B'), HB_TAG('G', 'P', 'O', 'S'), HB_TAG('G', 'D', 'E', 'F'),
                       HB_TAG('k', 'e', 'r', 'n'), HB_TAG('B', 'A', 'S', 'E'), HB_TAG('J', 'S', 'T', 'F')})
        hb_set_add(drop, t);
    hb_subset_input_set_flags(input, HB_SUBSET_FLAGS_RETAIN_GIDS | HB_SUBSET_FLAGS_NO_HINTING);
    hb_face_t* subset = hb_subset_or_fail(face, input);
    hb_subset_input_destroy(input);
    return subset;
}

std::string bytesOf(hb_face_t* subset) {
    hb_blob_t* blob = hb_face_reference_blob(subset);
    unsigned length = 0;
    const char* data = hb_blob_get_data(blob, &length);
    std::string out(data ? data : "", data ? length : 0);
    hb_blob_destroy(blob);
    return out;
}

// A PDF name of the PostScript name: letters, digits and "-" only.
std::string nameOf(hb_face_t* face, const QRawFont& raw) {
    char buf[128];
    unsigned length = sizeof buf;
    std::string in;
    if (hb_ot_name_get_utf8(face, HB_OT_NAME_ID_POSTSCRIPT_NAME, HB_LANGUAGE_INVALID, &length, buf) > 0) in = buf;
    if (in.empty()) in = (raw.familyName() + "-" + raw.styleName()).toStdString();
    std::string out;
    for (char c : in)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-') out += c;
    return out.empty() ? std::string("Font") : out;
}

void appendHex4(std::string& out, unsigned v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04X", v & 0xFFFF);
    out += buf;
}

std::string toUnicodeOf(const std::vector<bool>& used, const std::vector<std::u16string>& text) {
    std::vector<std::pair<std::uint32_t, const std::u16string*>> mapped;
    for (std::size_t g = 0; g < used.size(); ++g)
        if (used[g] && !text[g].empty()) mapped.emplace_back(static_cast<std::uint32_t>(g), &text[g]);
    std::string out =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    // A bfchar block holds at most 100 entries (the CMap format's limit).
    for (std::size_t at = 0; at < mapped.size(); at += 100) {
        const std::size_t n = std::min<std::size_t>(100, mapped.size() - at);
        out += std::to_string(n) + " beginbfchar\n";
        for (std::size_t i = at; i < at + n; ++i) {
            out += '<';
            appendHex4(out, mapped[i].first);
            out += "> <";
            for (char16_t u : *mapped[i].second) appendHex4(out, u);
            out += ">\n";
        }
        out += "endbfchar\n";
    }
    out += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return out;
}

}  // namespace

FontSubsets::FontSubsets(FontTableFilter filter) : filter_(std::move(filter)) {}
FontSubsets::~FontSubsets() = default;

int FontSubsets::fontFor(const QRawFont& raw) {
    // Qt lays out a character that no installed font has in its box engine: that one has no
    // family (Qt crashes when asked for its name) and no tables, so nothing can be embedded.
    if (!raw.isValid() || raw.fontTable("head").isEmpty()) return 0;
    const std::string key = (raw.familyName() + '\n' + raw.styleName() + '\n' + QString::number(raw.weight()) + '\n' +
                             QString::number(static_cast<int>(raw.style())))
                                .toStdString();
    if (auto it = byKey_.find(key); it != byKey_.end()) return it->second;
    int number = 0;
    if (fonts_.size() < limits::kPdfEmbeddedFonts) {
        auto f = std::make_unique<Face>();
        f->raw = raw;
        f->filter = &filter_;
        f->face = hb_face_create_for_tables(tableOf, f.get(), nullptr);
        f->upem = hb_face_get_upem(f->face);
        f->cff = !f->table(HB_TAG('C', 'F', 'F', ' ')).isEmpty();
        const bool outlines = f->cff || (!f->table(HB_TAG('g', 'l', 'y', 'f')).isEmpty() &&
                                         !f->table(HB_TAG('l', 'o', 'c', 'a')).isEmpty());
        bool usable = outlines && hb_face_get_glyph_count(f->face) > 0 && f->upem >= 16 && f->upem <= 16384;
        // A trial cut now, while the runs of this font can still be written the other way.
        if (usable) {
            hb_face_t* trial = cut(f->face, std::vector<bool>());
            usable = trial && !bytesOf(trial).empty();
            hb_face_destroy(trial);
        }
        if (usable) {
            f->font = hb_font_create(f->face);
            const unsigned count = hb_face_get_glyph_count(f->face);
            f->used.assign(count, false);
            f->text.assign(count, std::u16string());
            f->advances.assign(count, -1);
            f->psName = nameOf(f->face, raw);
            fonts_.push_back(std::move(f));
            number = static_cast<int>(fonts_.size());
        }
    }
    byKey_.emplace(key, number);
    return number;
}

int FontSubsets::advance(int font, std::uint32_t glyph) {
    Face& f = *fonts_[static_cast<std::size_t>(font - 1)];
    if (glyph >= f.advances.size()) return 0;
    int& a = f.advances[glyph];
    if (a < 0) a = static_cast<int>(std::lround(hb_font_get_glyph_h_advance(f.font, glyph) * 1000.0 / f.upem));
    return a;
}

bool FontSubsets::use(int font, std::uint32_t glyph) {
    Face& f = *fonts_[static_cast<std::size_t>(font - 1)];
    if (glyph >= f.used.size()) return true;  // not in the font: drawn as nothing, no text
    f.used[glyph] = true;
    return !f.text[glyph].empty();
}

void FontSubsets::setText(int font, std::uint32_t glyph, const std::u16string& text) {
    Face& f = *fonts_[static_cast<std::size_t>(font - 1)];
    if (glyph < f.text.size() && f.used[glyph] && f.text[glyph].empty()) f.text[glyph] = text;
}

std::uint32_t FontSubsets::glyphOf(int font, char32_t c) const {
    hb_codepoint_t g = 0;
    return hb_font_get_nominal_glyph(fonts_[static_cast<std::size_t>(font - 1)]->font, c, &g) ? g : 0;
}

SubsetFont FontSubsets::finish(int font) {
    Face& f = *fonts_[static_cast<std::size_t>(font - 1)];
    SubsetFont out;
    out.cff = f.cff;
    if (hb_face_t* subset = cut(f.face, f.used)) {
        out.file = bytesOf(subset);
        hb_face_destroy(subset);
    }
    // The tag: six capitals from a hash of the name and the glyphs, so that the same document
    // gives the same file and two different subsets of one font get different names.
    std::uint64_t h = 1469598103934665603ULL;
    auto mix = [&h](std::uint64_t v) { h = (h ^ v) * 1099511628211ULL; };
    for (char c : f.psName) mix(static_cast<unsigned char>(c));
    for (std::size_t g = 0; g < f.used.size(); ++g)
        if (f.used[g]) mix(g);
    for (int i = 0; i < 6; ++i, h /= 26) out.name += static_cast<char>('A' + h % 26);
    out.name += '+' + f.psName;

    // Widths of runs of consecutive glyphs: "first [w w w]".
    std::uint32_t next = UINT32_MAX;
    for (std::uint32_t glyph = 0; glyph < f.used.size(); ++glyph) {
        if (!f.used[glyph]) continue;
        if (glyph != next) {
            if (next != UINT32_MAX) out.widths += "] ";
            out.widths += std::to_string(glyph) + " [";
        } else {
            out.widths += ' ';
        }
        out.widths += std::to_string(advance(font, glyph));
        next = glyph + 1;
    }
    if (next != UINT32_MAX) out.widths += ']';
    out.toUnicode = toUnicodeOf(f.used, f.text);

    const auto thousandths = [&f](int units) { return static_cast<int>(std::lround(units * 1000.0 / f.upem)); };
    const QByteArray& head = f.table(HB_TAG('h', 'e', 'a', 'd'));
    for (int i = 0; i < 4; ++i) out.bbox[i] = thousandths(int16At(head, 36 + 2 * i));
    const QByteArray& hhea = f.table(HB_TAG('h', 'h', 'e', 'a'));
    out.ascent = thousandths(int16At(hhea, 4));
    out.descent = thousandths(int16At(hhea, 6));
    const QByteArray& os2 = f.table(HB_TAG('O', 'S', '/', '2'));
    out.capHeight = os2.size() >= 90 ? thousandths(int16At(os2, 88)) : out.ascent;
    out.italicAngle = int16At(f.table(HB_TAG('p', 'o', 's', 't')), 4);
    if (out.italicAngle != 0) out.flags |= 64;
    return out;
}

}  // namespace kalder::pdf
