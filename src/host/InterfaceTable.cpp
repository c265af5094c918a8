// The compiled-in string table: the blocks of texts/, found by table id. Block offsets are
// at least 100 apart (LanguageType), so a table id belongs to at most one block.
#include "host/InterfaceTexts.h"

#include "host/LanguageBlocks.h"

namespace kalder {

const std::vector<const LanguageBlock*>& languageBlocks() {
    static const std::vector<const LanguageBlock*> blocks = {
        &englishTexts(),    &frenchTexts(),  &spanishTexts(),   &germanTexts(),    &malayTexts(),  &dutchTexts(),
        &italianTexts(),    &danishTexts(),  &portugueseTexts(), &hungarianTexts(), &turkishTexts(), &polishTexts(),
        &slovenianTexts(), &swedishTexts(), &hebrewTexts(),     &greekTexts(),
    };
    return blocks;
}

const char* tableText(std::int32_t tableId) {
    for (const LanguageBlock* block : languageBlocks()) {
        const std::int32_t id = tableId - block->offset;
        if (id < 0 || id > kMaxUserText) continue;
        auto it = block->texts.find(id);
        return it == block->texts.end() ? nullptr : it->second;
    }
    return nullptr;
}

}  // namespace kalder
