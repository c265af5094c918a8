#include "richtext/ParaState.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Limits.h"
#include "core/TextMeasurer.h"
#include "richtext/TagArguments.h"

namespace kalder {

namespace {
std::int32_t offsetOf(const Variant& param) {
    return std::clamp(param.toLong(), -limits::kMarkupOffsetTwips, limits::kMarkupOffsetTwips);
}
}  // namespace

std::int32_t twipsOf(double v) noexcept {
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (!(v > lo)) return std::numeric_limits<std::int32_t>::min();  // NaN too
    if (v >= hi) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::nearbyint(v));
}

void ParaState::reset(const cStyle& style) {
    Alignment = alignLeft;
    LeftIndent = 0;
    RightIndent = 0;
    TabStops.clear();
    Style = style;
    measureFont();
}

void ParaState::measureFont() {
    const FontMetricsTwips m = TextMeasurer::metrics(Style);
    Ascent = twipsOf(m.ascent);
    Descent = twipsOf(m.descent);
    SpaceWidth = twipsOf(TextMeasurer::width(Style, " "));
}

void ParaState::addTabStop(std::int32_t twips) {
    const auto at = std::lower_bound(TabStops.begin(), TabStops.end(), twips);
    if (at != TabStops.end() && *at == twips) return;
    if (TabStops.size() >= limits::kMarkupTabStops) return;
    TabStops.insert(at, twips);
}

void ParaState::apply(const cLexToken& tag) {
    if (tag.lxType != lxTag) return;
    switch (tag.cmd) {
        case tagCe: Alignment = alignCentre; break;
        case tagRl: Alignment = alignRight; break;
        case tagRr: Alignment = alignLeft; break;
        case tagJu: Alignment = alignJustify; break;
        case tagXp: Alignment = alignLeft; break;
        case tagTc: TabStops.clear(); break;
        case tagTs: addTabStop(offsetOf(tag.Param)); break;
        case tagLi: LeftIndent = offsetOf(tag.Param); break;
        case tagRi: RightIndent = offsetOf(tag.Param); break;
        default:
            if (applyStyleTag(Style, tag)) measureFont();
            break;
    }
}

bool applyStyleTag(cStyle& style, const cLexToken& tag) {
    if (tag.lxType != lxTag) return false;
    switch (tag.cmd) {
        case tagBd: {
            const bool on = tag.Param.toBool();
            const bool changed = style.Bold != on;
            style.Bold = on;
            return changed;
        }
        case tagIt: {
            const bool on = tag.Param.toBool();
            const bool changed = style.Italic != on;
            style.Italic = on;
            return changed;
        }
        case tagUl: style.Underline = tag.Param.toBool(); return false;
        case tagSt: style.Strikethru = tag.Param.toBool(); return false;
        case tagFs: {
            const float points = tag.Param.toSingle();
            if (!(points > 0)) return false;
            const float size = std::min(points, limits::kMarkupFontPoints) * 20.0F;
            const bool changed = style.FontSize != size;
            style.FontSize = size;
            return changed;
        }
        case tagCo:
            if (const auto color = tagColor(tag.Param.toString())) style.ForeColor = *color;
            return false;
        case tagLv:
            if (const auto leading = tagLeading(tag.Param.toString())) {
                style.LeadingType = leading->first;
                style.LeadingVal = leading->second;
            }
            return false;
        case tagFf: {
            std::string name = tag.Param.toString();
            if (name.empty()) return false;
            if (name.size() > limits::kMarkupFontNameBytes) name.resize(limits::kMarkupFontNameBytes);
            const bool changed = style.FontName != name;
            style.FontName = std::move(name);
            return changed;
        }
        default: return false;
    }
}

}  // namespace kalder
