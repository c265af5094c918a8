#include "richtext/cLexToken.h"

namespace kalder {

std::string_view cLexToken::shownText() const noexcept {
    if (lxType == lxText) return sLex;
    if (lxType != lxTag) return {};
    switch (cmd) {
        case tagAc:
        case tagPg: return sLex;
        case tagZl: return "<";
        case tagZr: return ">";
        default: return {};
    }
}

}  // namespace kalder
