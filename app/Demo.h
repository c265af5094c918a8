// The demo document: a few pages with frames, styles and document information, built
// through the public API only.
#pragma once

namespace kalder {
class Preview;
}

namespace kalder::app {

void buildDemo(Preview& pv);

}  // namespace kalder::app
