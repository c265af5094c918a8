// The interface-text resolver and the Preview members around it. The language and the
// replaced texts are process-wide, so each test puts them back as it found them.
#include <gtest/gtest.h>

#include <string>

#include "host/InterfaceTexts.h"
#include "kalder/Preview.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

class InterfaceTextsTest : public ::testing::Test {
protected:
    void TearDown() override {
        pv.SetLanguage(prEnglish);
        pv.SetInterfaceText(67, "Not found");
    }
    Preview pv;
};

TEST_F(InterfaceTextsTest, ResolvesLiteralsUnderEnglish) {
    struct Row {
        const char* name;
        const char* literal;
        const char* expected;
    };
    test::forEachRow<Row>(
        {
            {"text of the id", "Not found@67", "Not found"},
            {"the table's text, not the default", "Two Page@56", "Two Pages"},
            {"no at sign", "Plain caption", "Plain caption"},
            {"ends with the at sign", "Not found@", "Not found@"},
            {"id that is not a number", "Not found@6x7", "Not found@6x7"},
            {"id with a blank", "Not found@ 67", "Not found@ 67"},
            {"id without a text", "Default text@52", "Default text"},
            {"id past every block", "Default text@99999", "Default text"},
            {"only the first at sign counts", "a@b@67", "a@b@67"},
            {"empty default", "@67", "Not found"},
        },
        [](const Row& row) { EXPECT_EQ(tr(row.literal), row.expected); });
}

TEST_F(InterfaceTextsTest, FrenchTextComesFromItsBlock) {
    pv.SetLanguage(prFrench);
    const char* french = tableText(1067);
    ASSERT_NE(french, nullptr);
    EXPECT_EQ(tr("Not found@67"), french);
    EXPECT_EQ(tr("Not found@67"), "Introuvable");
    EXPECT_EQ(tr("Page@5"), "Page");
    // The cache was filled in English: French texts are read from the table, not kept.
    EXPECT_EQ(pv.GetInterfaceText(1067), "");
    EXPECT_EQ(pv.GetInterfaceText(67), "Not found");
}

TEST_F(InterfaceTextsTest, EveryLanguageResolvesItsOwnBlock) {
    struct Row {
        const char* name;
        std::int32_t language;
        const char* notFound;
    };
    test::forEachRow<Row>(
        {
            {"German", prGerman, "Nicht gefunden"},
            {"Malay", prMalay, "Tidak dijumpai"},
            {"Slovenian", prSlovenian, "Ni najdeno"},
            {"Swedish", prSwedish, "Hittades inte"},
            {"Hebrew", prHebrew, "לא נמצא"},
            {"Greek", prGreek, "Δεν βρέθηκε"},
        },
        [&](const Row& row) {
            pv.SetLanguage(row.language);
            EXPECT_EQ(tr("Not found@67"), row.notFound);
        });
}

TEST_F(InterfaceTextsTest, ReplacedTextWinsForItsTableIdOnly) {
    pv.SetInterfaceText(67, "Nothing here");
    EXPECT_EQ(pv.GetInterfaceText(67), "Nothing here");
    EXPECT_EQ(tr("Not found@67"), "Nothing here");
    // The override was given for the English id; French still reads its own table text.
    pv.SetLanguage(prFrench);
    EXPECT_EQ(tr("Not found@67"), "Introuvable");
    pv.SetInterfaceText(1067, "  Rien trouvé  ");
    EXPECT_EQ(tr("Not found@67"), "Rien trouvé");  // trimmed
}

TEST_F(InterfaceTextsTest, AnEmptyReplacementFallsBackToTheTable) {
    pv.SetInterfaceText(67, "");
    EXPECT_EQ(pv.GetInterfaceText(67), "");
    EXPECT_EQ(tr("Not found@67"), "Not found");
}

TEST_F(InterfaceTextsTest, MaxUserTextAndUnknownIds) {
    EXPECT_EQ(pv.MaxUserText(), 97);
    EXPECT_EQ(pv.GetInterfaceText(52), "");
    EXPECT_EQ(pv.GetInterfaceText(97), "Email sent");
    EXPECT_EQ(pv.GetInterfaceText(98), "");
    EXPECT_EQ(tableText(-1), nullptr);
    EXPECT_EQ(tableText(98), nullptr);   // between English and French
    EXPECT_EQ(tableText(1052), nullptr);  // an id no block has
}

}  // namespace
}  // namespace kalder
