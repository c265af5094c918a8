// Prints a document's outline: pages, frames with their rectangles, elements.
#pragma once

#include <ostream>

namespace kalder {
class cDocument;
}

namespace kalder::app {

void printOutline(std::ostream& out, const cDocument& doc);

}  // namespace kalder::app
