// The host's side: the interface texts (the string table's blocks, one per language and each
// complete against the English one, and the resolver of "default@id" literals with the Preview
// members around it; process-wide, so the test puts them back) and the mouse-wheel hook on
// real Qt objects (events raised before the window gets the turn, which it still gets).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QString>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

#include "core/QtRuntime.h"
#include "host/InterfaceTexts.h"
#include "host/LanguageBlocks.h"
#include "kalder/Enums.h"
#include "kalder/Preview.h"
#include "kalder/class_WheelMouse.h"
#include "support/TableTest.h"

namespace kalder {
namespace {

TEST(InterfaceTexts, ResolvesLiterals) {
    Preview pv;
    auto restore = [&] { pv.SetLanguage(prEnglish), pv.SetInterfaceText(67, "Not found"), pv.SetInterfaceText(1067, ""); };
    // replaced: a table id given the text `with` by the host first.
    struct Row { const char* name; std::int32_t language; const char *literal, *text; int replaced = -1; const char* with; };
    const std::int32_t en = prEnglish, fr = prFrench;
    test::forEachRow<Row>(
        {{"TextOfTheId", en, "Not found@67", "Not found"}, {"TableTextNotTheDefault", en, "Two Page@56", "Two Pages"},
         {"NoAt", en, "Plain caption", "Plain caption"}, {"EndsWithAt", en, "Not found@", "Not found@"},
         {"IdNoNumber", en, "Not found@6x7", "Not found@6x7"}, {"IdWithBlank", en, "Not found@ 67", "Not found@ 67"},
         {"IdWithoutText", en, "Default@52", "Default"}, {"IdPastEveryBlock", en, "Default@99999", "Default"},
         {"OnlyTheFirstAtCounts", en, "a@b@67", "a@b@67"}, {"EmptyDefault", en, "@67", "Not found"},
         {"French", fr, "Not found@67", "Introuvable"}, {"FrenchPage", fr, "Page@5", "Page"},
         {"German", prGerman, "Not found@67", "Nicht gefunden"}, {"Hebrew", prHebrew, "Not found@67", "לא נמצא"},
         {"Greek", prGreek, "Not found@67", "Δεν βρέθηκε"}, {"Slovenian", prSlovenian, "Not found@67", "Ni najdeno"},
         {"Replaced", en, "Not found@67", "Nothing here", 67, "Nothing here"},
         // A text replaced for the English id leaves the French one alone.
         {"ReplacedForOtherLanguage", fr, "Not found@67", "Introuvable", 67, "Nothing here"},
         {"ReplacedTrimmed", fr, "Not found@67", "Rien trouvé", 1067, "  Rien trouvé  "},
         {"EmptyReplacementFallsBack", en, "Not found@67", "Not found", 67, ""}},
        [&](const Row& row) {
            pv.SetLanguage(row.language);
            if (row.replaced >= 0) pv.SetInterfaceText(row.replaced, row.with);
            if (row.replaced >= 0) EXPECT_EQ(pv.GetInterfaceText(row.replaced), row.with);
            EXPECT_EQ(tr(row.literal), row.text);
            restore();
        });
    // The cache was filled in English: French texts are read from the table, not kept.
    pv.SetLanguage(prFrench);
    EXPECT_EQ(pv.GetInterfaceText(1067) + "|" + pv.GetInterfaceText(67), "|Not found");
    EXPECT_EQ(pv.GetInterfaceText(52) + "|" + pv.GetInterfaceText(97) + "|" + pv.GetInterfaceText(98), "|Email sent|");
    restore();
    EXPECT_EQ(pv.MaxUserText(), 97);
    EXPECT_STREQ(tableText(1067), "Introuvable");
    // Before the first block, between English and French, an id no block has.
    EXPECT_TRUE(!tableText(-1) && !tableText(98) && !tableText(1052));
}

int ampersands(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '&')); }

TEST(LanguageBlocks, OneCompleteBlockPerLanguage) {
    std::multiset<std::int32_t> offsets;
    const LanguageBlock& english = englishTexts();
    EXPECT_EQ(english.texts.size(), 96u);  // ids 0..97 but 7 and 52
    for (const LanguageBlock* block : languageBlocks()) {
        SCOPED_TRACE(block->name);
        offsets.insert(block->offset);
        const auto& t = block->texts;
        EXPECT_EQ(t.size(), english.texts.size());
        for (const auto& [id, englishText] : english.texts) {
            SCOPED_TRACE(id);
            ASSERT_TRUE(t.count(id));
            const QString text = QString::fromUtf8(t.at(id));
            EXPECT_FALSE(text.trimmed().isEmpty() || text.contains(QChar::ReplacementCharacter)) << "empty or not UTF-8";
            // A mnemonic where English has one, and never two.
            EXPECT_EQ(ampersands(t.at(id)), ampersands(englishText)) << t.at(id);
            EXPECT_STREQ(tableText(block->offset + id), t.at(id));
        }
        // The zoom list tells its fit modes apart by their names, none of which reads as a number.
        EXPECT_EQ((std::set<std::string>{t.at(54), t.at(55), t.at(56)}).size(), 3u);
        for (std::int32_t id : {54, 55, 56}) EXPECT_EQ(QString::fromUtf8(t.at(id)).toDouble(), 0.0);
        // The page-range hint keeps its example as typed; a text followed by an address, its blank.
        EXPECT_TRUE(std::string(t.at(24)).find("1,3,5-12") != std::string::npos && std::string(t.at(96)).back() == ' ');
        EXPECT_STREQ(t.at(0), "Kalder");
    }
    EXPECT_EQ(offsets, (std::multiset<std::int32_t>{prEnglish, prFrench, prSpanish, prGerman, prMalay, prDutch, prItalian,
                                                    prDanish, prPortuguese, prHungarian, prTurkish, prPolish,
                                                    prSlovenian, prSwedish, prHebrew, prGreek}));
}

// What happened, in order: "<hook> up x,y" or "<hook> down x,y" for the hooks' events,
// "w x,y" for each turn a widget received.
std::string happened;
void note(const std::string& what) { happened += (happened.empty() ? "" : " ") + what; }
std::string at(double x, double y) { return std::to_string(int(x)) + "," + std::to_string(int(y)); }

struct Widget : QWidget {
    void wheelEvent(QWheelEvent* e) override { note("w " + at(e->position().x(), e->position().y())); }
};

void record(class_WheelMouse& hook, const std::string& name) {
    hook.onMouseUp = [name](int x, int y) { note(name + " up " + at(x, y)); };
    hook.onMouseDown = [name](int x, int y) { note(name + " down " + at(x, y)); };
}

void turn(QObject& target, QPoint where, QPoint angleDelta = {0, 120}, QPoint pixelDelta = {}) {
    QWheelEvent e(where, where, pixelDelta, angleDelta, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&target, &e);
}

// One hook per window, for as long as both the hook and the window live; the window gets
// every event, after the hook has seen it.
TEST(WheelMouse, RaisesEachTurnWhileHooked) {
    ensureGuiApplication();
    Widget v, w;
    {
        class_WheelMouse a, b;
        record(a, "A");
        record(b, "B");
        a.Hook(&w);
        turn(w, {37, 51}, {0, 120});       // away from the user
        turn(w, {38, 52}, {0, -120});      // towards
        turn(w, {1, 1}, {0, 15});          // a fine step
        turn(w, {2, 2}, {0, 0}, {0, -4});  // pixels only, as from a touchpad
        turn(w, {3, 3}, {120, 0});         // sideways only
        b.Hook(&w);                        // hooked by A already: nothing
        note(b.hookedWindow() ? "B hooked" : "B not hooked");
        a.Hook(&v);  // A moves over, w is free again
        b.Hook(&w);
        turn(v, {4, 4});
        turn(w, {5, 5}, {0, -120});
        b.Hook(nullptr);
        turn(w, {6, 6});
    }
    turn(v, {7, 7});  // A has ended
    class_WheelMouse c, d;
    record(c, "C");
    record(d, "D");
    auto gone = std::make_unique<Widget>();
    c.Hook(gone.get());
    gone.reset();
    note(c.hookedWindow() ? "C hooked" : "C released");
    auto next = std::make_unique<Widget>();  // maybe at the same address: free for any hook
    d.Hook(next.get());
    turn(*next, {8, 8});
    QWindow window;
    c.Hook(&window);
    turn(window, {10, 20}, {0, -240});
    d.onMouseUp = [](int, int) { throw std::runtime_error("host failure"); };
    turn(*next, {9, 9});  // the failure stays in the handler
    EXPECT_EQ(happened,
              "A up 37,51 w 37,51 A down 38,52 w 38,52 A up 1,1 w 1,1 A down 2,2 w 2,2 w 3,3 B not hooked "
              "A up 4,4 w 4,4 B down 5,5 w 5,5 w 6,6 w 7,7 C released D up 8,8 w 8,8 C down 10,20 w 9,9");
}

}  // namespace
}  // namespace kalder
