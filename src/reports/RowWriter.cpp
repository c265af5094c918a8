#include "reports/RowWriter.h"

#include <algorithm>
#include <charconv>

#include "core/Locale.h"
#include "core/TextMeasurer.h"
#include "document/cDocument.h"
#include "graphics/LineStep.h"
#include "kalder/Preview.h"

namespace kalder {

namespace {

[[noreturn]] void badDefinition(std::string_view definition, std::string_view why) {
    throw AutomationError(err::InvalidCall, "Tabulate",
                          "Bad field definition \"" + std::string(definition) + "\": " + std::string(why));
}

// A whole number of twips (an optional sign and digits), blanks around it ignored.
std::int32_t twipsOf(std::string_view text, std::string_view definition, std::string_view what) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int32_t v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
        badDefinition(definition, std::string(what) + " \"" + std::string(text) + "\" is no whole number of twips");
    return v;
}

// The value's text as paragraph markup: its own "<" and ">" escaped, CR LF pairs (and lone
// line feeds) as line breaks.
std::string asParagraph(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '<') out += "<zl>";
        else if (c == '>') out += "<zr>";
        else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') out += "<nl>", ++i;
        else if (c == '\n') out += "<nl>";
        else out += c;
    }
    return out;
}

}  // namespace

StyleScope::StyleScope(cDocument& doc, const cStyle& wanted) : doc_(doc) {
    auto frame = doc.currentFrame();
    if (!frame || frame->CurrentStyle == wanted) return;
    saved_ = frame->CurrentStyle;
    frame->CurrentStyle = wanted;
    frame->AddChangeStyle(doc.sharedStyle(wanted));
    changed_ = true;
}

StyleScope::~StyleScope() {
    auto frame = doc_.currentFrame();
    if (!changed_ || !frame) return;
    frame->CurrentStyle = saved_;
    frame->AddChangeStyle(doc_.sharedStyle(saved_));
}

std::shared_ptr<cFrame> continueOnNewPage(Preview& pv, cDocument& doc, std::int32_t etsStep,
                                          const std::string& frameKey) {
    const cStyle kept = doc.currentFrame() ? doc.currentFrame()->CurrentStyle : doc.Style;
    if (etsStep == prASInside) {
        auto page = doc.currentPage();
        pv.AddPage(page->PageMarginLeft, page->PageMarginRight, page->PageMarginTop, page->PageMarginBottom);
        pv.CurrentFrame("inside");
    } else {
        pv.AddPageTemplate();
        if (!frameKey.empty()) {
            pv.CurrentFrame(frameKey);
            // The template copied this frame with the rows above; the rows go on in it empty.
            if (frameKey != "inside" && doc.currentFrame()) doc.currentFrame()->Clear();
        }
    }
    auto frame = doc.currentFrame();
    if (frame) {
        frame->CurrentStyle = kept;
        frame->AddChangeStyle(doc.sharedStyle(kept));
    }
    return frame;
}

FieldDef parseFieldDef(std::string_view definition) {
    std::string_view rest = trimBlanks(definition);
    if (rest.empty()) badDefinition(definition, "it is empty");
    FieldDef f;
    f.align = static_cast<char>(std::tolower(static_cast<unsigned char>(rest.front())));
    if (f.align != 'l' && f.align != 'r' && f.align != 'c' && f.align != 'd')
        badDefinition(definition, "the alignment is none of l, r, c and d");
    rest.remove_prefix(1);
    std::vector<std::string_view> parts;
    for (std::size_t at; (at = rest.find(';')) != std::string_view::npos; rest.remove_prefix(at + 1))
        parts.push_back(rest.substr(0, at));
    parts.push_back(rest);
    f.pos = twipsOf(parts[0], definition, "the position");
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string_view part = trimBlanks(parts[i]);
        const std::string name = lowerAscii(part.substr(0, part.find('=')));
        if (part.find('=') == std::string_view::npos) {
            if (i != 1) badDefinition(definition, "only the first part after the position may be a width");
            f.width = twipsOf(part, definition, "the width");
            if (f.width < 0) badDefinition(definition, "the width is negative");
        } else if (trimBlanks(name) == "color") {
            f.color = twipsOf(part.substr(part.find('=') + 1), definition, "the colour");
        } else if (trimBlanks(name) == "backcolor") {
            f.backColor = twipsOf(part.substr(part.find('=') + 1), definition, "the background colour");
        } else {
            badDefinition(definition, "\"" + std::string(part) + "\" is neither color= nor backcolor=");
        }
    }
    return f;
}

std::int32_t writeRow(Preview& pv, cDocument& doc, const std::vector<FieldDef>& fields,
                      const std::vector<std::string>& texts, std::int32_t x, std::int32_t y) {
    auto frame = doc.currentFrame();
    if (!frame) return 0;
    const cStyle base = frame->CurrentStyle;
    const std::int32_t step = lineStep(base);
    std::int32_t height = step;
    for (std::size_t i = 0; i < fields.size() && i < texts.size(); ++i) {
        const FieldDef& f = fields[i];
        const std::string& text = texts[i];
        cStyle style = base;
        if (f.color != -1) style.ForeColor = f.color;
        const std::int64_t left = static_cast<std::int64_t>(x) + f.pos;
        const bool paragraph = text.find('\n') != std::string::npos;
        if (f.backColor != -1 && f.backColor != 0xFFFFFF && f.width > 0) {
            // The cell's background, under its text: a filled box without an outline.
            cStyle fill = base;
            fill.FillStyle = 0, fill.FillColor = f.backColor;
            fill.LineStyle.LineType = 5;  // invisible
            StyleScope scope(doc, fill);
            pv.DrawLine(Variant(static_cast<double>(left)), y, Variant(static_cast<double>(left + f.width)), y + step,
                        prLBBoxFill);
        }
        if (text.empty()) continue;  // an empty cell adds no element
        StyleScope scope(doc, style);
        if (paragraph) {
            std::string markup = asParagraph(text);
            const std::int32_t width = f.width > 0 ? f.width : std::max(0, frame->Width - static_cast<std::int32_t>(left));
            pv.ParaText(markup, Variant(static_cast<double>(left)), y, width, std::max(step, frame->Height - y));
            height = std::max(height, pv.ParaNextY() - y);
            continue;
        }
        double anchor = static_cast<double>(left);
        std::int32_t align = prALLeft;
        switch (f.align) {
            case 'r': anchor += f.width, align = prALRight; break;
            case 'c': anchor += f.width / 2.0, align = prALCenter; break;
            case 'd': {
                const std::string mark(1, decimalMark());
                const std::int32_t decSpace =
                    f.decSpace >= 0 ? f.decSpace : roundToLong(TextMeasurer::width(style, mark + "00"));
                const double point = anchor + (f.width > 0 ? f.width - decSpace : 0);
                const std::size_t at = text.find(mark);
                pv.AddTextAt(text.substr(0, at), point, y, prALRight, prASNone);
                if (at != std::string::npos) pv.AddTextAt(text.substr(at), point, y, prALLeft, prASNone);
                continue;
            }
            default: break;
        }
        pv.AddTextAt(text, anchor, y, align, prASNone);
    }
    return height;
}

}  // namespace kalder
