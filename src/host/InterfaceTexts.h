// The interface texts of every window and dialog, in sixteen languages.
//
// Code refers to a text by a literal "default text@id" ("Not found@67"); resolve() turns it
// into the text of the current language: a text the host replaced with SetInterfaceText,
// else the language's own text, else the default before the "@". The table holds one block
// per language; the text of id n in language L (a LanguageType value) has table id L + n.
//
// Process-wide, as there is one interface for the whole process; safe to use from any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kalder {

constexpr std::int32_t kMaxUserText = 97;

class InterfaceTexts {
public:
    static InterfaceTexts& instance();

    std::int32_t language() const;
    void setLanguage(std::int32_t languageOffset);

    // The replaced or cached text under a full table id ("" when none).
    std::string text(std::int32_t tableId) const;
    // Replaces the text of a full table id (language offset included).
    void setText(std::int32_t tableId, std::string text);

    std::string resolve(std::string_view literal) const;

private:
    InterfaceTexts();
};

// The compiled-in table text of a full table id; nullptr when the table has none.
const char* tableText(std::int32_t tableId);

// Shorthand for InterfaceTexts::instance().resolve(literal).
std::string tr(std::string_view literal);

}  // namespace kalder
