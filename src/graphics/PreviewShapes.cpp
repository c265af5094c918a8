// Shape members of Preview: each converts its measures with C_Twips (passing a conversion
// error on, with nothing added), makes the element and adds it to the current frame.
#include "kalder/Preview.h"

#include "core/Twips.h"
#include "document/CurrentFrame.h"
#include "graphics/cEllipse.h"
#include "graphics/cLine.h"
#include "graphics/cPSet.h"
#include "graphics/cPolygon.h"
#include "graphics/cRoundRect.h"

namespace kalder {

std::string Preview::DrawLine(const Variant& x1, const Variant& y1, const Variant& x2, const Variant& y2,
                              std::int32_t lbLineBox) {
    auto line = std::make_shared<cLine>();
    line->x1 = kalder::C_Twips(x1);
    line->y1 = kalder::C_Twips(y1);
    line->x2 = kalder::C_Twips(x2);
    line->y2 = kalder::C_Twips(y2);
    line->BF = lbLineBox;
    return addToCurrentFrame(*doc_, line);
}

std::string Preview::DrawCircle(const Variant& xPos, const Variant& yPos, const Variant& Radius) {
    auto circle = std::make_shared<cEllipse>();
    circle->xPos = kalder::C_Twips(xPos);
    circle->yPos = kalder::C_Twips(yPos);
    circle->xRad = circle->yRad = kalder::C_Twips(Radius);
    circle->dStart = 0;
    circle->dEnd = 0;
    circle->dAspect = 1;
    return addToCurrentFrame(*doc_, circle);
}

std::string Preview::DrawArc(const Variant& xPos, const Variant& yPos, const Variant& Radius, float dStart, float dEnd,
                             float dAspect) {
    auto arc = std::make_shared<cEllipse>();
    arc->xPos = kalder::C_Twips(xPos);
    arc->yPos = kalder::C_Twips(yPos);
    arc->xRad = arc->yRad = kalder::C_Twips(Radius);
    arc->dStart = dStart;
    arc->dEnd = dEnd;
    arc->dAspect = dAspect;
    return addToCurrentFrame(*doc_, arc);
}

std::string Preview::DrawEllipse(const Variant& xPos, const Variant& yPos, const Variant& xRad, const Variant& yRad) {
    // Angles and aspect stay at their defaults; cEllipse draws such an element whole.
    auto ellipse = std::make_shared<cEllipse>();
    ellipse->xPos = kalder::C_Twips(xPos);
    ellipse->yPos = kalder::C_Twips(yPos);
    ellipse->xRad = kalder::C_Twips(xRad);
    ellipse->yRad = kalder::C_Twips(yRad);
    return addToCurrentFrame(*doc_, ellipse);
}

std::string Preview::DrawRoundRect(const Variant& x1, const Variant& y1, const Variant& x2, const Variant& y2,
                                   const Variant& Radius) {
    auto rect = std::make_shared<cRoundRect>();
    rect->x1 = kalder::C_Twips(x1);
    rect->y1 = kalder::C_Twips(y1);
    rect->x2 = kalder::C_Twips(x2);
    rect->y2 = kalder::C_Twips(y2);
    rect->Radius = kalder::C_Twips(Radius);
    return addToCurrentFrame(*doc_, rect);
}

std::string Preview::DrawPolygon(const std::vector<POLYVERT>& ply) {
    auto polygon = std::make_shared<cPolygon>();
    polygon->Poly = ply;
    return addToCurrentFrame(*doc_, polygon);
}

std::string Preview::DrawPSet(const Variant& xPos, const Variant& yPos) {
    auto point = std::make_shared<cPSet>();
    point->x1 = kalder::C_Twips(xPos);
    point->y1 = kalder::C_Twips(yPos);
    return addToCurrentFrame(*doc_, point);
}

}  // namespace kalder
