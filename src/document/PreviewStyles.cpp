// Styles and current attributes of Preview: named styles (add, modify, apply, describe) and
// the attribute properties, each of which records a style-change element in the current
// frame so that the change travels with the element stream.
#include "kalder/Preview.h"

#include <algorithm>

#include "core/Limits.h"
#include "core/Locale.h"
#include "core/Twips.h"
#include "document/cChangeStyle.h"
#include "document/cDocument.h"

namespace kalder {

namespace {

// A font size: a plain number (or a string without a unit) is points; a string with a unit
// is a measure ("12 pt" -> 240, "0.5 in" -> 720).
// Sizes beyond the largest font (1638 pt, as markup and RTF clamp theirs) are taken as it, so
// that no font system or output is asked for an absurd size.
float fontSizeTwips(const Variant& v) {
    float twips = CTwips(v);
    const bool hasUnit = v.isString() && trimBlanks(v.toString()).find(' ') != std::string_view::npos;
    const double size = hasUnit ? twips : twips * 20.0;
    constexpr double largest = limits::kFontSizeTwentieths;
    return static_cast<float>(std::clamp(size, -largest, largest));
}

// Changes one field of the current frame's running style and records the change.
template <class Change>
void changeAttribute(cDocument& doc, Change change) {
    auto frame = doc.currentFrame();
    if (!frame) return;
    change(frame->CurrentStyle);
    frame->AddChangeStyle(doc.sharedStyle(frame->CurrentStyle));
}

// The running style read by the attribute properties; the document style without a frame.
const cStyle& runningStyle(const cDocument& doc) {
    auto frame = doc.currentFrame();
    return frame ? frame->CurrentStyle : doc.Style;
}

std::string flag(bool v) { return v ? " True" : " False"; }

}  // namespace

std::string Preview::AddStyle(const std::string& Name, const Variant& FontName, const Variant& FontSize,
                              const Variant& Bold, const Variant& Underline, const Variant& Italic,
                              const Variant& ForeColor, const Variant& BackColor) {
    // A name already used keeps its style; the name is returned all the same.
    if (doc_->NamedStyles.contains(Name)) return Name;
    cStyle s;
    s.Key = Name;
    if (!FontName.isMissing()) s.FontName = FontName.toString();
    if (!FontSize.isMissing()) s.FontSize = fontSizeTwips(FontSize);
    if (!Bold.isMissing()) s.Bold = Bold.toBool();
    if (!Underline.isMissing()) s.Underline = Underline.toBool();
    if (!Italic.isMissing()) s.Italic = Italic.toBool();
    if (!ForeColor.isMissing()) s.ForeColor = ForeColor.toLong();
    if (!BackColor.isMissing()) s.BackColor = BackColor.toLong();
    doc_->NamedStyles.add(std::move(s), Name);
    return Name;
}

void Preview::ModifyStyle(const std::string& Style, const std::string& Prop, const Variant& NewValue) {
    cStyle* s = doc_->NamedStyles.find(Style);
    if (!s) throw AutomationError(err::InvalidCall, "ModifyStyle", "Style not found : " + Style);
    const std::string p = lowerAscii(Prop);
    const Variant& v = NewValue;
    // Convert first, then assign: a value that does not convert changes nothing.
    if (p == "fontname") s->FontName = v.toString();
    else if (p == "fontsize") s->FontSize = fontSizeTwips(v);
    else if (p == "fontbold") s->Bold = v.toBool();
    else if (p == "fontitalic") s->Italic = v.toBool();
    else if (p == "fontunderline") s->Underline = v.toBool();
    else if (p == "fontstrikethru") s->Strikethru = v.toBool();
    else if (p == "forecolor") s->ForeColor = v.toLong();
    else if (p == "backcolor") s->BackColor = v.toLong();
    else if (p == "linecolor") s->LineStyle.Color = v.toLong();
    else if (p == "linetype") s->LineStyle.LineType = v.toLong();
    else if (p == "linewidth") s->LineStyle.LineWidth = v.toLong();
    else if (p == "rotation") s->TextRotation = v.toLong();
    else if (p == "fillstyle") s->FillStyle = v.toLong();
    else if (p == "fillcolor") s->FillColor = v.toLong();
    else if (p == "pagesize") s->PageSize = v.toLong();
    else if (p == "leading" || p == "leadingtype") s->LeadingType = v.toLong();
    else if (p == "val") s->LeadingVal = v.toDouble();
    else throw AutomationError(err::InvalidCall, "ModifyStyle", "");
}

void Preview::ApplyStyle(const std::string& Name) {
    const cStyle* found = doc_->NamedStyles.find(Name);
    if (!found) return;
    const cStyle s = *found;
    FontName(s.FontName);
    FontSize(Variant(s.FontSize / 20.0));
    FontBold(s.Bold);
    FontUnderline(s.Underline);
    FontItalic(s.Italic);
    ForeColor(s.ForeColor);
    BackColor(s.BackColor);
}

// The `Line` argument is accepted for callers that pass it; the description is the same.
std::string Preview::GetStyle(const std::string& Name, bool /*Line*/) const {
    const cStyle* found = doc_->NamedStyles.find(Name);
    if (!found) return "";
    const cStyle& s = *found;
    std::string d = "Style: " + Name;
    d += "; Font: " + s.FontName;
    d += "; Size: " + formatFixed(s.FontSize / 20.0, 1);
    d += "; Bold: " + flag(s.Bold);
    d += "; Underline: " + flag(s.Underline);
    d += "; Italic: " + flag(s.Italic);
    d += "; Fore: " + std::to_string(s.ForeColor);
    d += "; Back: " + std::to_string(s.BackColor);
    d += "; Strikethru: " + flag(s.Strikethru);
    switch (s.LeadingType) {
        case prLTPercent: d += "; Leading: Percent, Val: " + formatNumber(s.LeadingVal) + "%"; break;
        case prLTAbsolute: d += "; Leading: Absolute, Val: " + formatFixed(s.LeadingVal / 20.0, 1); break;
        case prLTIncrement: d += "; Leading: Increment, Val: " + formatFixed(s.LeadingVal / 20.0, 1); break;
        default: break;
    }
    d += "; Rotation: " + formatFixed(s.TextRotation / 10.0, 1);
    d += "; FillStyle: " + std::to_string(s.FillStyle);
    d += "; FillColor: " + std::to_string(s.FillColor);
    d += "; PageSize: " + std::to_string(s.PageSize);
    d += "; LineWidth: " + std::to_string(s.LineStyle.LineWidth);
    d += "; LineType: " + std::to_string(s.LineStyle.LineType);
    d += "; Line Color: " + std::to_string(s.LineStyle.Color);
    return d;
}

std::string Preview::GetAllStyles() const {
    std::string all;
    for (const cStyle& s : doc_->NamedStyles) {
        if (!all.empty()) all += '/';
        all += s.Key;
    }
    return all;
}

// ---- Attribute properties --------------------------------------------------------------------

std::string Preview::FontName() const { return runningStyle(*doc_).FontName; }
void Preview::FontName(const std::string& name) {
    changeAttribute(*doc_, [&](cStyle& s) { s.FontName = name; });
}

float Preview::FontSize() const { return runningStyle(*doc_).FontSize / 20.0f; }
void Preview::FontSize(const Variant& size) {
    float twips = 0;
    try {
        twips = fontSizeTwips(size);
    } catch (const AutomationError&) {
        return;  // a size that does not convert changes nothing
    }
    if (!doc_->currentFrame()) return;
    doc_->Style.FontSize = twips;
    changeAttribute(*doc_, [&](cStyle& s) { s.FontSize = twips; });
}

bool Preview::FontBold() const { return runningStyle(*doc_).Bold; }
void Preview::FontBold(bool v) {
    changeAttribute(*doc_, [&](cStyle& s) { s.Bold = v; });
}
bool Preview::FontItalic() const { return runningStyle(*doc_).Italic; }
void Preview::FontItalic(bool v) {
    changeAttribute(*doc_, [&](cStyle& s) { s.Italic = v; });
}
bool Preview::FontUnderline() const { return runningStyle(*doc_).Underline; }
void Preview::FontUnderline(bool v) {
    changeAttribute(*doc_, [&](cStyle& s) { s.Underline = v; });
}
bool Preview::FontStrikethru() const { return runningStyle(*doc_).Strikethru; }
void Preview::FontStrikethru(bool v) {
    changeAttribute(*doc_, [&](cStyle& s) { s.Strikethru = v; });
}
std::int32_t Preview::ForeColor() const { return runningStyle(*doc_).ForeColor; }
void Preview::ForeColor(std::int32_t color) {
    changeAttribute(*doc_, [&](cStyle& s) { s.ForeColor = color; });
}
std::int32_t Preview::BackColor() const { return runningStyle(*doc_).BackColor; }
void Preview::BackColor(std::int32_t color) {
    changeAttribute(*doc_, [&](cStyle& s) { s.BackColor = color; });
}
std::int32_t Preview::FillColor() const { return runningStyle(*doc_).FillColor; }
void Preview::FillColor(std::int32_t color) {
    changeAttribute(*doc_, [&](cStyle& s) { s.FillColor = color; });
}
std::int32_t Preview::FillStyle() const { return runningStyle(*doc_).FillStyle; }
void Preview::FillStyle(std::int32_t style) {
    changeAttribute(*doc_, [&](cStyle& s) { s.FillStyle = style; });
}
std::int32_t Preview::LineColor() const { return runningStyle(*doc_).LineStyle.Color; }
void Preview::LineColor(std::int32_t color) {
    changeAttribute(*doc_, [&](cStyle& s) { s.LineStyle.Color = color; });
}
std::int32_t Preview::LineType() const { return runningStyle(*doc_).LineStyle.LineType; }
void Preview::LineType(std::int32_t type) {
    changeAttribute(*doc_, [&](cStyle& s) { s.LineStyle.LineType = type; });
}
std::int32_t Preview::DrawWidth() const { return runningStyle(*doc_).LineStyle.LineWidth; }
void Preview::DrawWidth(std::int32_t width) {
    changeAttribute(*doc_, [&](cStyle& s) { s.LineStyle.LineWidth = width; });
}
std::int32_t Preview::TextRotation() const { return runningStyle(*doc_).TextRotation; }
void Preview::TextRotation(std::int32_t rotation) {
    changeAttribute(*doc_, [&](cStyle& s) { s.TextRotation = rotation; });
}
std::int32_t Preview::LeadingType() const { return runningStyle(*doc_).LeadingType; }
void Preview::LeadingType(std::int32_t type) {
    changeAttribute(*doc_, [&](cStyle& s) { s.LeadingType = type; });
}
double Preview::LeadingVal() const { return runningStyle(*doc_).LeadingVal; }
void Preview::LeadingVal(double value) {
    changeAttribute(*doc_, [&](cStyle& s) { s.LeadingVal = value; });
}
std::int32_t Preview::Charset() const { return runningStyle(*doc_).Charset; }
void Preview::Charset(std::int32_t charset) {
    changeAttribute(*doc_, [&](cStyle& s) { s.Charset = charset; });
}

}  // namespace kalder
