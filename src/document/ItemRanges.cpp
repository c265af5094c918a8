#include "document/ItemRanges.h"

#include <unordered_map>

#include "core/Limits.h"

namespace kalder {

std::optional<double> itemMagnitude(std::string_view name) {
    using namespace limits;
    // Only what the builder itself keeps within these bounds, so that every document it saves
    // loads again; positions and sizes may be anything 32 bits hold (layout and writers add
    // them in wider numbers).
    static const std::unordered_map<std::string_view, double> bounds = {
        {"PageWidth", kPageTwips}, {"PageHeight", kPageTwips}, {"FontSize", kFontSizeTwentieths},
    };
    if (auto it = bounds.find(name); it != bounds.end()) return it->second;
    return std::nullopt;
}

}  // namespace kalder
