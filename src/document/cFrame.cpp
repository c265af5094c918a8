#include "document/cFrame.h"

#include "document/RenderContext.h"
#include "document/StyleXml.h"
#include "document/XmlItems.h"
#include "document/cChangeStyle.h"

namespace kalder {

ElementPtr cElements::Add(std::string_view key, std::int32_t elementType) {
    auto e = std::make_shared<cElement>(elementType);
    AddElement(e, key);
    return e;
}

void cElements::AddElement(const ElementPtr& element, std::string_view key) {
    items_.add(element, key);
    element->Key(std::string(key));
}

void cFrame::setStyle(const cStyle& style) {
    Style = style;
    CurrentStyle = style;
}

std::string cFrame::nextElementKey() const { return "El " + std::to_string(elements_.Count() + 1); }

std::string cFrame::addElement(const ElementPtr& element) {
    std::string key = nextElementKey();
    elements_.AddElement(element, key);
    return key;
}

std::string cFrame::addElement(const ElementPtr& element, std::string_view prefix) {
    std::string key = std::string(prefix) + std::to_string(elements_.Count() + 1);
    elements_.AddElement(element, key);
    return key;
}

std::string cFrame::AddChangeStyle(const cStyle& style) { return addElement(std::make_shared<cChangeStyle>(style)); }
std::string cFrame::AddChangeStyle(std::shared_ptr<const cStyle> style) {
    return addElement(std::make_shared<cChangeStyle>(std::move(style)));
}

void cFrame::Preview(RenderContext& ctx) const {
    ctx.style = Style;
    for (const ElementPtr& e : elements_) {
        ctx.style.Orientation = Style.Orientation;
        try {
            e->Preview(*this, ctx);
        } catch (const std::exception&) {
            // Drawing goes on with the next element.
        }
    }
    if (ShowBorder) {
        cStyle border = ctx.style;
        border.LineStyle = Border;
        try {
            ctx.canvas.PutBox(xPos, yPos, xPos + Width, yPos + Height, border);
        } catch (const std::exception&) {
        }
    }
}

std::shared_ptr<cFrame> cFrame::Copy(bool withElements) const {
    auto f = std::make_shared<cFrame>();
    f->Key = Key;
    f->xPos = xPos;
    f->yPos = yPos;
    f->Width = Width;
    f->Height = Height;
    f->Border = Border;
    f->ShowBorder = ShowBorder;
    f->Style = Style;
    f->CurrentStyle = CurrentStyle;
    f->Rotation = Rotation;
    f->FrameType = FrameType;
    if (withElements)
        for (const ElementPtr& e : elements_) f->elements_.AddElement(e->Copy(), e->Key());
    return f;
}

template <class Self, class Io>
void cFrame::fields(Self& self, Io io) {
    io.attribute("Key", self.Key);
    io.item("FrameType", self.FrameType);
    io.item("xPos", self.xPos);
    io.item("yPos", self.yPos);
    io.item("Width", self.Width);
    io.item("Height", self.Height);
    io.record("Border", self.Border, lineStyleRecord);
    io.item("ShowBorder", self.ShowBorder);
    io.item("Rotation", self.Rotation);
    io.record("Style", self.Style, styleFields);
}

void cFrame::writeXml(ItemWriter& out) const {
    out.open("Frame");
    fields(*this, FieldWriter(out));
    out.open("Elements");
    for (const ElementPtr& e : elements_) e->writeXml(out);
    out.close();
    out.close();
}

void cFrame::loadXml(const ItemReader& in) {
    fields(*this, FieldReader(in));
    setStyle(Style);  // the running attributes start as the saved starting ones
}

std::shared_ptr<cFrame> cFrames::Add(std::string_view name, std::int32_t frameType) {
    if (frameType >= 0 && frameType <= 4)
        for (const auto& f : *this)
            if (f->FrameType == frameType) return nullptr;
    auto f = std::make_shared<cFrame>();
    f->FrameType = frameType;
    f->Key = std::string(name);
    if (frameType == kFrameUnderlay && Count() > 0)
        items_.insertAt(1, f, name);
    else
        items_.add(f, name);
    return f;
}

bool cFrames::AddFrame(const std::shared_ptr<cFrame>& frame, std::string_view key) {
    if (items_.contains(key)) return false;
    items_.add(frame, key);
    frame->Key = std::string(key);
    return true;
}

}  // namespace kalder
