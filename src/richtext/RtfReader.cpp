#include "richtext/RtfReader.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "core/Limits.h"
#include "richtext/RtfKeywords.h"

namespace kalder::rtf {

namespace {

// Windows-1252 bytes 0x80..0x9F; the five bytes the code page leaves undefined keep their
// C1 code point.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendWindows1252(std::string& out, unsigned char c) {
    char32_t cp = c < 0x80 ? c : c < 0xA0 ? kWindows1252High[c - 0x80] : c;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isLineEnd(unsigned char c) { return c == '\r' || c == '\n'; }

int hexDigit(unsigned char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Where characters go; the numbers are the reader's destination states.
enum class Dest : std::int32_t { Skipped = 0, Text = 2, FontName = 6, ColourTable = 8 };

enum class InputState { Normal, Hex };

// Character properties saved with each group. Font -1 is the default font, colour -1 the
// automatic colour.
struct CharProps {
    std::int32_t bold = 0;
    std::int32_t italic = 0;
    std::int32_t underline = 0;
    std::int32_t strike = 0;
    std::int32_t fontSize = 24;  // half-points: RTF's default 12 pt
    std::int32_t font = -1;
    std::int32_t colour = -1;
};

struct SavedState {
    CharProps props;
    Dest dest;
};

using Rgb = std::array<std::int32_t, 3>;

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) { stack_.reserve(limits::kRtfGroupDepth); }
    // The byte the reader stopped at: the one it read last.
    std::size_t stoppedAt() const noexcept { return pos_ > 0 ? pos_ - 1 : 0; }

    ResultCode run();
    std::string result() const;

private:
    ResultCode controlWord();
    ResultCode dispatch(std::string_view name, bool hasParam, std::int32_t param, std::string_view spelled = {});
    void destination(Destination d);
    void property(Property p, bool hasParam, std::int32_t value);
    void character(std::int32_t code);
    void emit(unsigned char c);
    void popGroup();

    void fontTag(std::int32_t font);
    void colourTag(std::int32_t index);
    void sizeTag(std::int32_t halfPoints);
    void tag(std::string_view name, std::int32_t value);
    void enterFont();

    std::string_view in_;
    std::size_t pos_ = 0;
    std::string out_;

    Dest dest_ = Dest::Text;
    InputState inputState_ = InputState::Normal;
    int hexCount_ = 0;
    int hexValue_ = 0;
    bool skipUnknown_ = false;
    CharProps props_;
    std::vector<SavedState> stack_;
    bool tabStopsSet_ = false;

    std::map<std::int32_t, std::string> fonts_;
    std::int32_t defaultFont_ = 0;  // RTF readers take font 0 when \deff is absent
    std::int32_t entryNumber_ = 0;
    std::string entryName_;

    std::vector<std::optional<Rgb>> colours_;  // empty entries are the automatic colour
    Rgb components_ = {-1, -1, -1};
};

ResultCode Reader::run() {
    while (pos_ < in_.size()) {
        const auto c = static_cast<unsigned char>(in_[pos_++]);
        if (isLineEnd(c)) continue;
        switch (inputState_) {
            case InputState::Hex: {
                const int d = hexDigit(c);
                if (d < 0) return ResultCode::InvalidHexDigit;
                hexValue_ = hexValue_ * 16 + d;
                if (++hexCount_ == 2) {
                    inputState_ = InputState::Normal;
                    emit(static_cast<unsigned char>(hexValue_));
                }
                break;
            }
            case InputState::Normal:
                if (c == '{') {
                    if (stack_.size() >= static_cast<std::size_t>(limits::kRtfGroupDepth))
                        return ResultCode::GroupsTooDeep;
                    stack_.push_back({props_, dest_});
                    skipUnknown_ = false;
                } else if (c == '}') {
                    if (stack_.empty()) return ResultCode::UnmatchedClose;
                    popGroup();
                } else if (c == '\\') {
                    if (ResultCode r = controlWord(); r != ResultCode::Success) return r;
                } else {
                    emit(c);
                }
                break;
            default: return ResultCode::InvalidInputState;
        }
    }
    return ResultCode::Success;
}

std::string Reader::result() const {
    auto it = fonts_.find(defaultFont_);
    if (it == fonts_.end()) return out_;
    return "<ff " + it->second + ">" + out_;
}

// After "\": a control word (letters, an optional signed number, one optional blank) or a
// one-character control symbol. A line end after the backslash is a paragraph end.
ResultCode Reader::controlWord() {
    if (pos_ >= in_.size()) return ResultCode::Success;
    const auto first = static_cast<unsigned char>(in_[pos_]);
    if (!isLetter(first)) {
        ++pos_;
        if (isLineEnd(first)) return dispatch("par", false, 0);
        return dispatch(in_.substr(pos_ - 1, 1), false, 0);
    }
    const std::size_t start = pos_;
    while (pos_ < in_.size() && isLetter(static_cast<unsigned char>(in_[pos_]))) ++pos_;
    const std::string_view name = in_.substr(start, pos_ - start);

    bool negative = false;
    if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(static_cast<unsigned char>(in_[pos_ + 1]))) {
        negative = true;
        ++pos_;
    }
    bool hasParam = false;
    // Saturates instead of overflowing: digits beyond the 32-bit range change nothing.
    constexpr std::int64_t kCap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    while (pos_ < in_.size() && isDigit(static_cast<unsigned char>(in_[pos_]))) {
        hasParam = true;
        magnitude = std::min(kCap, magnitude * 10 + (in_[pos_] - '0'));
        ++pos_;
    }
    const std::string_view spelled = in_.substr(start, pos_ - start);
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    const auto param = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        signedValue, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    return dispatch(name, hasParam, param, spelled);
}

// `spelled` is the control word as written, digits included: a table entry that ends in a
// digit ("private1") is found by it when the letters alone name nothing.
ResultCode Reader::dispatch(std::string_view name, bool hasParam, std::int32_t param, std::string_view spelled) {
    const bool skipUnknown = std::exchange(skipUnknown_, false);
    const Keyword* k = findKeyword(name);
    if (!k && hasParam && (k = findKeyword(spelled))) hasParam = false;
    if (!k) {
        if (skipUnknown) dest_ = Dest::Skipped;
        return ResultCode::Success;
    }
    const std::int32_t value = hasParam && !k->useDefaultAlways ? param : k->defaultParam;
    switch (k->kind) {
        case KeywordKind::Destination: destination(static_cast<Destination>(k->value)); break;
        case KeywordKind::Property: property(static_cast<Property>(k->value), hasParam, value); break;
        case KeywordKind::Character: character(k->value); break;
        case KeywordKind::Special:
            switch (static_cast<Special>(k->value)) {
                case Special::SkipUnknown: skipUnknown_ = true; break;
                case Special::Hex:
                    inputState_ = InputState::Hex;
                    hexCount_ = 0;
                    hexValue_ = 0;
                    break;
                case Special::Binary:
                    if (value > 0) pos_ += std::min<std::size_t>(static_cast<std::size_t>(value), in_.size() - pos_);
                    break;
            }
            break;
        default: return ResultCode::UnknownKind;
    }
    return ResultCode::Success;
}

void Reader::destination(Destination d) {
    if (dest_ == Dest::Skipped) return;
    switch (d) {
        case Destination::FontTable:
            dest_ = Dest::FontName;
            entryNumber_ = 0;
            entryName_.clear();
            break;
        case Destination::ColourTable:
            dest_ = Dest::ColourTable;
            components_ = {-1, -1, -1};
            break;
        case Destination::Skipped: dest_ = Dest::Skipped; break;
    }
}

void Reader::property(Property p, bool hasParam, std::int32_t value) {
    // Outside the text only the tables' own keywords mean something.
    if (dest_ == Dest::FontName) {
        if (p == Property::Font) {
            entryNumber_ = value;
            entryName_.clear();
        }
        return;
    }
    if (dest_ == Dest::ColourTable) {
        const std::int32_t component = std::clamp(value, 0, 255);
        if (p == Property::Red) components_[0] = component;
        if (p == Property::Green) components_[1] = component;
        if (p == Property::Blue) components_[2] = component;
        return;
    }
    if (dest_ != Dest::Text) return;

    switch (p) {
        case Property::Bold: props_.bold = value; tag("bd", value); break;
        case Property::Italic: props_.italic = value; tag("it", value); break;
        case Property::Underline: props_.underline = value; tag("ul", value); break;
        case Property::Strike: props_.strike = value; tag("st", value); break;
        case Property::Font:
            props_.font = value;
            fontTag(value);
            break;
        case Property::FontSize:
            // A size that names no size (none, zero or negative) is ignored.
            if (!hasParam || value <= 0) break;
            props_.fontSize = std::min(value, limits::kRtfFontSizeHalfPoints);
            sizeTag(props_.fontSize);
            break;
        case Property::DefaultFont: defaultFont_ = value; break;
        case Property::ParagraphDefaults:
            out_ += "<fi 0><li 0><ri 0><rr>";
            // RTF's paragraph defaults have no tab stops; the markup keeps them until cleared.
            if (std::exchange(tabStopsSet_, false)) out_ += "<tc>";
            break;
        case Property::ParagraphEnd: out_ += "<nl>\r\n"; break;
        case Property::CharacterDefaults: {
            out_ += "<bd 0><it 0><ul 0><fs 12>";
            if (props_.strike != 0) out_ += "<st 0>";
            if (props_.colour != -1) colourTag(-1);
            const std::int32_t font = props_.font;
            props_ = CharProps{};
            props_.font = font;
            break;
        }
        case Property::TabStop:
            tag("ts", value);
            tabStopsSet_ = true;
            break;
        case Property::TabKind: break;
        case Property::AlignLeft: out_ += "<rr>"; break;
        case Property::AlignRight: out_ += "<rl>"; break;
        case Property::AlignCentre: out_ += "<ce>"; break;
        case Property::AlignJustify: out_ += "<ju>"; break;
        case Property::FirstIndent: tag("fi", value); break;
        case Property::LeftIndent: tag("li", value); break;
        case Property::RightIndent: tag("ri", value); break;
        case Property::Red:
        case Property::Green:
        case Property::Blue: break;
        case Property::TextColour:
            props_.colour = value;
            colourTag(value);
            break;
    }
}

void Reader::character(std::int32_t code) {
    if (code < 0) {
        if (dest_ != Dest::Text) return;
        switch (code) {
            case kLineBreak: out_ += "<sl>"; break;
            case kNoBreakSpace: out_ += "<ss>"; break;
            case kEnSpace: out_ += "<dn>"; break;
            case kEmSpace: out_ += "<dm>"; break;
            default: break;
        }
        return;
    }
    if (code > 127 && dest_ == Dest::Text) {
        // The typographic characters go through the ac tag, which shows the character of
        // that Windows-1252 code.
        tag("ac", code);
        return;
    }
    emit(static_cast<unsigned char>(code));
}

// One character of the input (or of a "\'" escape) in the current destination.
void Reader::emit(unsigned char c) {
    switch (dest_) {
        case Dest::Text:
            if (c == '<') out_ += "<zl>";
            else if (c == '>') out_ += "<zr>";
            else if (c == '\t') out_ += "<tb>";
            else if (c == '\n') out_ += "\r\n";
            else if (c < 0x20 || c == 0x7F) {
                // Other control characters have no glyph; they are left out.
            } else appendWindows1252(out_, c);
            break;
        case Dest::FontName:
            if (c == ';') enterFont();
            // Angle brackets would end the ff tag the name is written into.
            else if (c >= 0x20 && c != 0x7F && c != '<' && c != '>' &&
                     entryName_.size() < limits::kRtfFontNameBytes)
                appendWindows1252(entryName_, c);
            break;
        case Dest::ColourTable:
            if (c == ';') {
                const bool complete = std::all_of(components_.begin(), components_.end(), [](auto v) { return v >= 0; });
                colours_.push_back(complete ? std::optional<Rgb>(components_) : std::nullopt);
                components_ = {-1, -1, -1};
            }
            break;
        case Dest::Skipped: break;
    }
}

void Reader::enterFont() {
    std::string_view name = entryName_;
    const auto first = name.find_first_not_of(' ');
    name = first == std::string_view::npos ? std::string_view() : name.substr(first);
    name = name.substr(0, name.find_last_not_of(' ') + 1);
    if (!name.empty()) fonts_[entryNumber_] = std::string(name);
    entryName_.clear();
}

// Closing a group puts back the properties it saved; the markup gets a tag for each property
// that the group changed, so the text after the group looks as it did before it.
void Reader::popGroup() {
    const CharProps before = props_;
    props_ = stack_.back().props;
    dest_ = stack_.back().dest;
    stack_.pop_back();
    skipUnknown_ = false;
    if (dest_ != Dest::Text) return;
    if (before.bold != props_.bold) tag("bd", props_.bold);
    if (before.italic != props_.italic) tag("it", props_.italic);
    if (before.underline != props_.underline) tag("ul", props_.underline);
    if (before.strike != props_.strike) tag("st", props_.strike);
    if (before.fontSize != props_.fontSize) sizeTag(props_.fontSize);
    if (before.font != props_.font) fontTag(props_.font);
    if (before.colour != props_.colour) colourTag(props_.colour);
}

// A font the table does not name writes nothing: the running font stays.
void Reader::fontTag(std::int32_t font) {
    auto it = fonts_.find(font == -1 ? defaultFont_ : font);
    if (it != fonts_.end()) out_ += "<ff " + it->second + ">";
}

// The automatic colour and numbers beyond the table are black.
void Reader::colourTag(std::int32_t index) {
    Rgb rgb = {0, 0, 0};
    if (index >= 0 && static_cast<std::size_t>(index) < colours_.size() && colours_[index]) rgb = *colours_[index];
    out_ += "<co " + std::to_string(rgb[0]) + ";" + std::to_string(rgb[1]) + ";" + std::to_string(rgb[2]) + ">";
}

// Half-points as points; the markup reads "." as the decimal mark whatever the locale.
void Reader::sizeTag(std::int32_t halfPoints) {
    out_ += "<fs " + std::to_string(halfPoints / 2) + (halfPoints % 2 ? ".5>" : ">");
}

void Reader::tag(std::string_view name, std::int32_t value) {
    out_ += '<';
    out_ += name;
    out_ += ' ';
    out_ += std::to_string(value);
    out_ += '>';
}

}  // namespace

ReadResult readRtf(std::string_view bytes) {
    Reader reader(bytes);
    const ResultCode code = reader.run();
    if (code != ResultCode::Success) return {code, {}, reader.stoppedAt()};
    return {code, reader.result()};
}

std::string importRtfText(std::string_view bytes) {
    ReadResult r = readRtf(bytes);
    if (r.ok()) return std::move(r.markup);
    std::string what;
    switch (r.code) {
        case ResultCode::UnknownKind: what = "a keyword the reader cannot handle"; break;
        case ResultCode::GroupsTooDeep:
            what = "groups nested more than " + std::to_string(limits::kRtfGroupDepth) + " deep";
            break;
        case ResultCode::UnmatchedClose: what = "a \"}\" that closes no group"; break;
        case ResultCode::InvalidHexDigit: what = "a character other than a hexadecimal digit after \"\\'\""; break;
        default: what = "the reader lost its place"; break;
    }
    return std::string(kParseErrorText) + std::to_string(static_cast<std::int32_t>(r.code)) + " (" + what +
           ", at byte " + std::to_string(r.offset) + ")";
}

}  // namespace kalder::rtf
