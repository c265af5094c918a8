#include "richtext/cTextLine.h"

namespace kalder {

std::vector<std::int32_t> cTextLine::wordPositions() const {
    std::vector<std::int32_t> out;
    out.reserve(Words.size());
    long long x = LineIndent;
    for (std::size_t i = 0; i < Words.size(); ++i) {
        const cWord& w = Words[i];
        if (w.WordStart)
            x = static_cast<long long>(LineIndent) + *w.WordStart;
        else if (i > 0)
            x = static_cast<long long>(out.back()) + Words[i - 1].Width + Words[i - 1].SpaceWidth;
        out.push_back(x < INT32_MIN ? INT32_MIN : x > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(x));
    }
    return out;
}

}  // namespace kalder
