// The installed family that stands for a font name a document asks for. A name that is not
// an installed family (a Windows font, a misspelling, a made-up name) costs Qt a full
// fontconfig fallback sort the first time it is met, about 30 ms: a paragraph with hundreds of
// such names would spend seconds there. Fontconfig's own best match, asked for once a name and
// remembered for the process, names the same family Qt would land on (Arial gives Liberation
// Sans through fontconfig's aliases, an unknown name the default family) at a hundredth of the
// cost, and fonts are then made from that family directly.
#pragma once

#include <QString>
#include <string_view>

namespace kalder {

// The family to make a font of for `name` (UTF-8): the name itself when it is installed or
// when fontconfig has no answer. Thread-safe.
QString installedFamily(std::string_view name);

}  // namespace kalder
