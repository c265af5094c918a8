#include "core/KeyedCollection.h"

#include <QString>

namespace kalder {

std::string foldKeyCase(std::string_view key) {
    std::string out(key);
    bool ascii = true;
    for (char& c : out) {
        if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    if (ascii) return out;
    // Letters beyond ASCII ("Ä" and "ä") compare equal too, as a locale comparison would.
    QString text = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    // Bytes that are no UTF-8 would all decode to U+FFFD and make distinct keys equal; such a
    // key folds its ASCII letters only.
    if (text.toUtf8() != QByteArrayView(key.data(), static_cast<qsizetype>(key.size()))) return out;
    QByteArray folded = text.toCaseFolded().toUtf8();
    return std::string(folded.constData(), static_cast<std::size_t>(folded.size()));
}

}  // namespace kalder
