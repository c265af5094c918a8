#include "richtext/MarkupLexer.h"

#include <algorithm>

#include "core/Locale.h"
#include "richtext/TagArguments.h"

namespace kalder {

std::size_t MarkupLexer::skipCR(std::size_t i) noexcept {
    const std::size_t n = text_.size();
    while (i < n && text_[i] == '\r') ++i;
    seen_ = std::max(seen_, std::min(i + 1, n));
    return i;
}

cLexToken MarkupLexer::end() noexcept {
    cLexToken t;
    t.lxType = lxEnd;
    t.Start = pos_;
    return t;
}

cLexToken MarkupLexer::lineBreak(const char* sLex) {
    cLexToken t;
    t.lxType = lxTag;
    t.sLex = sLex;
    t.cmd = tagNl;
    t.bBreak = true;
    t.Start = pos_;
    return t;
}

void MarkupLexer::follow(cLexToken& t) noexcept {
    const std::size_t k = skipCR(pos_);
    if (k >= text_.size()) {
        t.bBreak = true;
        return;
    }
    t.bBreak = white(text_[k]);
    t.NextIsWhite = text_[k] == ' ';
}

cLexToken MarkupLexer::GetToken() {
    if (pending_) {
        pending_ = false;
        return lineBreak("<nl>");
    }
    const std::size_t n = text_.size();
    for (;;) {
        const std::size_t i = skipCR(pos_);
        if (i >= n) {
            pos_ = n;
            return end();
        }
        const char c = text_[i];
        if (c == '\n') {
            if (dialect_ == Dialect::PlainLines) {
                pos_ = i + 1;
                return lineBreak("nl");
            }
            if (autoPara_) {
                const std::size_t j = skipCR(i + 1);
                if (j < n && text_[j] == '\n') {
                    pos_ = j + 1;
                    pending_ = true;
                    return lineBreak("nl");
                }
            }
            pos_ = i + 1;
            continue;
        }
        if (white(c)) {
            pos_ = i + 1;
            continue;
        }
        pos_ = i;
        break;
    }

    cLexToken t;
    t.Start = pos_;
    if (text_[pos_] == '<') {
        const std::size_t close = text_.find('>', pos_ + 1);
        if (close == std::string_view::npos) {
            // An unterminated tag hides the rest of the text; nothing of it is left over.
            seen_ = n;
            pos_ = n;
            return end();
        }
        seen_ = std::max(seen_, close + 1);
        readTag(t, close);
    } else {
        readText(t);
    }
    follow(t);
    return t;
}

void MarkupLexer::readTag(cLexToken& t, std::size_t close) {
    std::string_view inner = text_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    t.lxType = lxTag;
    if (dialect_ == Dialect::PlainLines && inner.find('\r') != std::string_view::npos) {
        // Plain lines read tags character by character, and reading skips carriage returns.
        for (char c : inner)
            if (c != '\r') t.sLex += c;
    } else {
        t.sLex.assign(inner);
    }
    const std::string_view tag = t.sLex;
    std::int32_t code = tag.size() >= 2 ? markupTagCode(tag[0], tag[1]) : tagNone;
    if (tag.size() > 2 && tag[2] != ' ') code = tagNone;
    t.cmd = code;
    const std::string_view arg = tag.size() > 3 ? trimBlanks(tag.substr(3)) : std::string_view();
    t.Param = tagParam(code, arg);
    if (code == tagAc) t.sLex = characterOfCode(t.Param.toLong());
}

void MarkupLexer::readText(cLexToken& t) {
    const std::size_t n = text_.size();
    std::size_t j = pos_;
    bool sawCR = false;
    while (j < n) {
        const char c = text_[j];
        if (c == '\r') {
            sawCR = true;
        } else if (c == '<' || white(c)) {
            break;
        }
        ++j;
    }
    seen_ = std::max(seen_, std::min(j + 1, n));
    t.lxType = lxText;
    const std::string_view run = text_.substr(pos_, j - pos_);
    if (sawCR) {
        t.sLex.reserve(run.size());
        for (char c : run)
            if (c != '\r') t.sLex += c;
    } else {
        t.sLex.assign(run);
    }
    pos_ = j;
}

}  // namespace kalder
