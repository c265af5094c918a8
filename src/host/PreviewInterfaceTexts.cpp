// The interface-language family of Preview: one interface for the whole process, so these
// act on the process-wide texts whichever Preview calls them.
#include "kalder/Preview.h"

#include "host/InterfaceTexts.h"

namespace kalder {

void Preview::SetLanguage(std::int32_t Language) { InterfaceTexts::instance().setLanguage(Language); }

std::string Preview::GetInterfaceText(std::int32_t Id) const { return InterfaceTexts::instance().text(Id); }

void Preview::SetInterfaceText(std::int32_t Id, const std::string& Text) {
    InterfaceTexts::instance().setText(Id, Text);
}

std::int32_t Preview::MaxUserText() const { return kMaxUserText; }

}  // namespace kalder
