#include "core/FontFamilies.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QSet>
#include <mutex>
#include <string>
#include <unordered_map>

#include "core/Limits.h"

namespace kalder {

namespace {

// Fontconfig's best match for a family name, or an empty string.
QString matchedFamily(const QString& name) {
    QString family;
    FcPattern* pattern = FcPatternCreate();
    const QByteArray utf8 = name.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* matched = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &matched) == FcResultMatch && matched)
            family = QString::fromUtf8(reinterpret_cast<const char*>(matched));
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return family;
}

}  // namespace

QString installedFamily(std::string_view name) {
    static std::mutex mutex;
    static QSet<QString> installed;  // lower-case: Qt matches families without regard to case
    static std::unordered_map<std::string, QString> resolved;
    const QString asked = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    std::lock_guard lock(mutex);
    if (installed.isEmpty())
        for (const QString& family : QFontDatabase::families()) installed.insert(family.toLower());
    if (name.empty() || installed.contains(asked.toLower())) return asked;
    if (auto it = resolved.find(std::string(name)); it != resolved.end()) return it->second;
    QString family = matchedFamily(asked);
    if (family.isEmpty()) family = asked;
    // Past the bound a name is matched again each time: still right, only slower.
    if (resolved.size() < limits::kFontNames) resolved.emplace(std::string(name), family);
    return family;
}

}  // namespace kalder
