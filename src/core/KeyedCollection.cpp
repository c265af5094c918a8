#include "core/KeyedCollection.h"

#include <QString>

namespace kalder {

std::string foldKeyCase(std::string_view key) {
    std::string out(key);
    bool ascii = true;
    for (char& c : out) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    if (ascii) return out;
    // Letters beyond ASCII ("Ä" and "ä") compare equal too, as a locale comparison would.
    QByteArray folded = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())).toCaseFolded().toUtf8();
    return std::string(folded.constData(), static_cast<std::size_t>(folded.size()));
}

}  // namespace kalder
