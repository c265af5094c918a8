// The form translator on the dialogs: their literals become the texts of the language, and a
// change of language translates again from the literals.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>

#include "host/InterfaceTexts.h"
#include "platform/FormTranslator.h"
#include "viewer/FindDialog.h"
#include "viewer/GotoPageDialog.h"
#include "WindowTestSupport.h"

namespace kalder {
namespace {

class FormTranslatorTest : public test::WindowTest {
protected:
    void TearDown() override { pv.SetLanguage(prEnglish); }
};

TEST_F(FormTranslatorTest, FindDialogInEnglishAndFrench) {
    FindDialog english([this]() -> const cDocument& { return pv.document(); }, nullptr);
    EXPECT_EQ(english.windowTitle(), "Find");
    EXPECT_EQ(test::child<QPushButton>(english, "cmdFindNext").text(), "Find &Next");
    EXPECT_EQ(test::child<QCheckBox>(english, "chkMatchCase").text(), "Match Ca&se");
    EXPECT_EQ(test::child<QRadioButton>(english, "optAllPage").text(), "&All pages");
    EXPECT_EQ(english.findChild<QGroupBox*>()->title(), "Search");

    pv.SetLanguage(prFrench);
    FindDialog french([this]() -> const cDocument& { return pv.document(); }, nullptr);
    EXPECT_EQ(french.windowTitle(), "Rechercher");
    EXPECT_EQ(test::child<QPushButton>(french, "cmdFindNext").text(), "&Suivant");
    EXPECT_EQ(test::child<QPushButton>(french, "cmdCancel").text(), "&Annuler");
    EXPECT_EQ(test::child<QCheckBox>(french, "chkMatchCase").text(), "Respecter la ca&sse");

    // Translating the English dialog again starts from its literals.
    translateForm(english, kalder::tr);
    EXPECT_EQ(test::child<QPushButton>(english, "cmdFindNext").text(), "&Suivant");
}

TEST_F(FormTranslatorTest, WindowInGerman) {
    test::buildPages(pv, {{"Seite eins"}, {"Seite zwei"}});
    pv.SetLanguage(prGerman);
    PreviewWindow& w = open();
    EXPECT_EQ(w.action("Next")->toolTip(), "Nächste Seite anzeigen");
    EXPECT_EQ(w.pagePanel().text(), "Seite 1/2");
    EXPECT_EQ(w.zoomText(), "Ganze Seite");
    w.action("2Pages")->trigger();
    EXPECT_EQ(w.zoomMode(), ZoomMode::TwoPages);
    EXPECT_EQ(w.zoomText(), "Zwei Seiten");
    GotoPageDialog go(1, 2, &w);
    EXPECT_EQ(test::child<QPushButton>(go, "cmdCancel").text(), "Ab&brechen");
    EXPECT_EQ(test::child<QLabel>(go, "lblCount").text(), "/ 2");
}

TEST_F(FormTranslatorTest, TextsWithoutLiteralsStay) {
    QWidget form;
    form.setWindowTitle("Plain title");
    auto* label = new QLabel("Price @ 5 each", &form);
    auto* button = new QPushButton("Go@45", &form);
    button->setToolTip("Print the document@43");
    translateForm(form, kalder::tr);
    EXPECT_EQ(form.windowTitle(), "Plain title");
    EXPECT_EQ(label->text(), "Price @ 5 each");
    EXPECT_EQ(button->text(), "&OK");
    EXPECT_EQ(button->toolTip(), "Print the document");
}

}  // namespace
}  // namespace kalder
