// The string table's blocks: one per LanguageType value, each complete against the English
// block, with the marks the dialogs rely on.
#include <gtest/gtest.h>

#include <QString>
#include <set>
#include <string>

#include "host/InterfaceTexts.h"
#include "host/LanguageBlocks.h"
#include "kalder/Enums.h"

namespace kalder {
namespace {

int ampersands(const std::string& s) {
    int n = 0;
    for (char c : s) n += c == '&';
    return n;
}

TEST(LanguageBlocks, OneBlockPerLanguageAtItsOffset) {
    const std::set<std::int32_t> expected = {prEnglish, prFrench, prSpanish, prGerman, prMalay, prDutch,
                                             prItalian, prDanish, prPortuguese, prHungarian, prTurkish, prPolish,
                                             prSlovenian, prSwedish, prHebrew, prGreek};
    std::set<std::int32_t> offsets;
    for (const LanguageBlock* block : languageBlocks()) offsets.insert(block->offset);
    EXPECT_EQ(offsets, expected);
    EXPECT_EQ(languageBlocks().size(), expected.size());
}

TEST(LanguageBlocks, EveryBlockHasEveryEnglishId) {
    const LanguageBlock& english = englishTexts();
    EXPECT_EQ(english.texts.size(), 96u);  // ids 0..97 but 7 and 52
    for (const LanguageBlock* block : languageBlocks()) {
        SCOPED_TRACE(block->name);
        for (const auto& [id, englishText] : english.texts) {
            SCOPED_TRACE(id);
            auto it = block->texts.find(id);
            ASSERT_NE(it, block->texts.end());
            const std::string text = it->second;
            EXPECT_FALSE(QString::fromStdString(text).trimmed().isEmpty());
            EXPECT_FALSE(QString::fromUtf8(text.c_str()).contains(QChar::ReplacementCharacter)) << "not UTF-8";
            // A mnemonic where English has one, and never two.
            EXPECT_EQ(ampersands(text), ampersands(englishText)) << text;
            // The table is read by id: the block's text is what the table gives.
            EXPECT_STREQ(tableText(block->offset + id), it->second);
        }
        for (const auto& entry : block->texts) EXPECT_TRUE(english.texts.count(entry.first)) << entry.first;
    }
}

TEST(LanguageBlocks, TextsTheWindowComparesOrShowsAsData) {
    for (const LanguageBlock* block : languageBlocks()) {
        SCOPED_TRACE(block->name);
        const auto& t = block->texts;
        // The zoom list tells its fit modes apart by their names.
        EXPECT_NE(std::string(t.at(54)), t.at(55));
        EXPECT_NE(std::string(t.at(55)), t.at(56));
        EXPECT_NE(std::string(t.at(54)), t.at(56));
        for (std::int32_t id : {54, 55, 56}) EXPECT_EQ(QString::fromUtf8(t.at(id)).toDouble(), 0.0);
        // The page-range hint keeps its example as typed into the dialog.
        EXPECT_NE(std::string(t.at(24)).find("1,3,5-12"), std::string::npos);
        // A text that is followed by an address keeps its closing blank.
        EXPECT_EQ(std::string(t.at(96)).back(), ' ');
        EXPECT_STREQ(t.at(0), "Kalder");
    }
}

}  // namespace
}  // namespace kalder
