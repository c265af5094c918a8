#include "host/InterfaceTexts.h"

#include <charconv>
#include <mutex>

#include "core/Locale.h"
#include "kalder/FastCollection.h"

namespace kalder {

namespace {
std::mutex& lock() {
    static std::mutex m;
    return m;
}
// The cache and the language, behind the lock.
struct State {
    FastCollection cache;
    std::int32_t language = 0;
};
State& state() {
    static State s;
    return s;
}
std::string key(std::int32_t tableId) { return std::to_string(tableId) + "ID"; }
}  // namespace

InterfaceTexts::InterfaceTexts() {
    // Filled once, in the language current at that time (English).
    State& s = state();
    for (std::int32_t n = 0; n <= kMaxUserText; ++n)
        if (const char* t = tableText(s.language + n)) s.cache.Add(std::string(trimBlanks(t)), key(s.language + n));
}

InterfaceTexts& InterfaceTexts::instance() {
    static InterfaceTexts texts;
    return texts;
}

std::int32_t InterfaceTexts::language() const {
    std::lock_guard g(lock());
    return state().language;
}

void InterfaceTexts::setLanguage(std::int32_t languageOffset) {
    std::lock_guard g(lock());
    state().language = languageOffset;
}

std::string InterfaceTexts::text(std::int32_t tableId) const {
    std::lock_guard g(lock());
    const FastCollection& c = state().cache;
    return c.KeyExists(key(tableId)) ? c.ItemByKey(key(tableId)).toString() : std::string();
}

void InterfaceTexts::setText(std::int32_t tableId, std::string text) {
    std::lock_guard g(lock());
    FastCollection& c = state().cache;
    c.RemoveByKey(key(tableId));
    c.Add(std::move(text), key(tableId));
}

std::string InterfaceTexts::resolve(std::string_view literal) const {
    const std::size_t at = literal.find('@');
    if (at == std::string_view::npos) return std::string(literal);
    const std::string_view digits = literal.substr(at + 1);
    std::int32_t id = 0;
    auto res = std::from_chars(digits.data(), digits.data() + digits.size(), id);
    if (digits.empty() || res.ec != std::errc{} || res.ptr != digits.data() + digits.size())
        return std::string(literal);
    const std::int32_t tableId = language() + id;
    std::string found(trimBlanks(text(tableId)));
    if (found.empty())
        if (const char* t = tableText(tableId)) found = std::string(trimBlanks(t));
    return found.empty() ? std::string(literal.substr(0, at)) : found;
}

std::string tr(std::string_view literal) { return InterfaceTexts::instance().resolve(literal); }

}  // namespace kalder
