#include "richtext/Substitution.h"

#include "core/Locale.h"
#include "kalder/Preview.h"

namespace kalder {

std::string substitute(std::string_view input, const SubstitutionLookup& lookup) {
    std::string out;
    out.reserve(input.size());
    std::size_t pos = 0;
    while (pos < input.size()) {
        const std::size_t open = input.find('%', pos);
        if (open == std::string_view::npos) {
            out.append(input.substr(pos));
            break;
        }
        out.append(input.substr(pos, open - pos));
        const std::size_t close = input.find('%', open + 1);
        if (close == std::string_view::npos) {
            out += "%unbalanced%";
            pos = open + 1;
            continue;
        }
        const std::string_view name = trimBlanks(input.substr(open + 1, close - open - 1));
        if (name.empty()) {
            out += '%';
        } else if (std::optional<Variant> value = lookup(name)) {
            out += value->toString();
        } else {
            out += "?missing param?";
        }
        pos = close + 1;
    }
    return out;
}

std::string substitute(std::string_view input, const FastCollection& params) {
    return substitute(input, SubstitutionLookup([&params](std::string_view name) -> std::optional<Variant> {
                          const std::int32_t index = params.IndexFromKey(name);
                          if (index <= 0) return std::nullopt;
                          return params.ItemByIndex(index);
                      }));
}

std::string Preview::Substitution(const std::string& InputStr, const FastCollection& Params) const {
    return substitute(InputStr, Params);
}

}  // namespace kalder
