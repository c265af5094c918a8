// What every adder of Preview does with the element it made: put it in the current frame of
// the current page under the next generated key.
#pragma once

#include <string>

#include "document/cDocument.h"
#include "document/cElement.h"

namespace kalder {

// Adds to the current frame and returns the key; "" (nothing added) when there is no current
// page or frame.
inline std::string addToCurrentFrame(cDocument& doc, const ElementPtr& element) {
    auto frame = doc.currentFrame();
    return frame ? frame->addElement(element) : std::string();
}

}  // namespace kalder
