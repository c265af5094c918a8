// The blocks of the interface-text table, one per interface language.
//
// Each block maps interface ids (0 to kMaxUserText) to the language's texts, UTF-8. A text
// keeps the "&" that marks its keyboard mnemonic wherever the English text has one, and the
// blanks around a ":" as the English text writes them, so that dialogs look alike in every
// language. The English block is the reference: every other block has a text for each of its
// ids. Blocks live one per file in texts/, named after the language.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

namespace kalder {

struct LanguageBlock {
    std::int32_t offset;  // LanguageType value: where the block starts in the table
    const char* name;     // the language's English name
    std::map<std::int32_t, const char*> texts;
};

const LanguageBlock& englishTexts();
const LanguageBlock& frenchTexts();
const LanguageBlock& spanishTexts();
const LanguageBlock& germanTexts();
const LanguageBlock& malayTexts();
const LanguageBlock& dutchTexts();
const LanguageBlock& italianTexts();
const LanguageBlock& danishTexts();
const LanguageBlock& portugueseTexts();
const LanguageBlock& hungarianTexts();
const LanguageBlock& turkishTexts();
const LanguageBlock& polishTexts();
const LanguageBlock& slovenianTexts();
const LanguageBlock& swedishTexts();
const LanguageBlock& hebrewTexts();
const LanguageBlock& greekTexts();

// Every block, in the order of their offsets.
const std::vector<const LanguageBlock*>& languageBlocks();

}  // namespace kalder
