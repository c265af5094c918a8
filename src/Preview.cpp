// The Preview object's life and the measure family; the other families are defined in the
// folder that owns them (document/PreviewBuilder.cpp, document/PreviewStyles.cpp, ...).
#include "kalder/Preview.h"
#include "kalder/Report.h"

#include "core/Twips.h"
#include "document/cDocument.h"
#include "print/OutputSettings.h"
#include "viewer/WindowSettings.h"

namespace kalder {

Preview::Preview()
    : doc_(std::make_unique<cDocument>()),
      output_(std::make_unique<OutputSettings>()),
      window_(std::make_unique<WindowSettings>()),
      report_(std::make_unique<cReport>()) {}
Preview::~Preview() = default;

std::int32_t Preview::C_Twips(const Variant& value) const { return kalder::C_Twips(value); }
float Preview::ConvertToTwip(std::int32_t prScale, float value) const { return kalder::ConvertToTwip(prScale, value); }
float Preview::ConvertFromTwip(std::int32_t prScale, float value) const {
    return kalder::ConvertFromTwip(prScale, value);
}

}  // namespace kalder
