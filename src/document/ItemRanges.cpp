#include "document/ItemRanges.h"

#include <unordered_map>

#include "core/Limits.h"

namespace kalder {

std::optional<double> itemMagnitude(std::string_view name) {
    using namespace limits;
    static const std::unordered_map<std::string_view, double> bounds = {
        // Positions and sizes in twips.
        {"xPos", kItemMagnitude}, {"yPos", kItemMagnitude}, {"Width", kItemMagnitude}, {"Height", kItemMagnitude},
        {"X1", kItemMagnitude}, {"X2", kItemMagnitude}, {"Y1", kItemMagnitude}, {"Y2", kItemMagnitude},
        {"Radius", kItemMagnitude}, {"XRad", kItemMagnitude}, {"YRad", kItemMagnitude},
        {"BarHeight", kItemMagnitude}, {"BarWidth", kItemMagnitude}, {"Size", kItemMagnitude},
        {"ArrowSizeStart", kItemMagnitude}, {"ArrowSizeEnd", kItemMagnitude}, {"LineWidth", kItemMagnitude},
        {"LeadingVal", kItemMagnitude}, {"CurrentX", kItemMagnitude}, {"CurrentY", kItemMagnitude},
        {"PageMarginLeft", kItemMagnitude}, {"PageMarginTop", kItemMagnitude},
        {"PageMarginRight", kItemMagnitude}, {"PageMarginBottom", kItemMagnitude},
        {"PageHeaderSize", kItemMagnitude}, {"PageFooterSize", kItemMagnitude},
        // Angles.
        {"Rotation", kItemMagnitude}, {"TextRotation", kItemMagnitude},
        // Pages and fonts.
        {"PageWidth", kPageTwips}, {"PageHeight", kPageTwips}, {"FontSize", kFontSizeTwentieths},
    };
    if (auto it = bounds.find(name); it != bounds.end()) return it->second;
    return std::nullopt;
}

}  // namespace kalder
