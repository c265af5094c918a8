// The find dialog and the go-to-page dialog of a shown window, and the form translator on them.
#include "host/InterfaceTexts.h"
#include "platform/FormTranslator.h"
#include "support/TableTest.h"
#include "support/Window.h"
#include "viewer/FindDialog.h"
#include "viewer/GotoPageDialog.h"
#include "viewer/TextSearch.h"

namespace kalder {
namespace {

class FindWindowTest : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        test::buildPages(pv, {{"Alpha beta", "the cat sat", "Concatenate"},
                              {"CAT in capitals", "another line"},
                              {"Mixed Cat case"}});
    }
    FindDialog& find(PreviewWindow& w, const QString& text) {
        test::sendKey(w.pageView(), Qt::Key_F, Qt::ControlModifier);
        if (!w.findDialog()) throw std::runtime_error("no find dialog");
        test::child<QComboBox>(*w.findDialog(), "cbFind").setEditText(text);
        return *w.findDialog();
    }
    // After `act`, the title and text of the message box it opened (closed again, " (!)" for a
    // warning) and the page then; then the page and text of the match highlighted ("2:the cat").
    static std::string after(PreviewWindow& w, const std::function<void()>& act) {
        std::string box;
        QPointer<QTimer> waiting = test::whenModalOpens([&](QWidget& modal) {
            if (auto* m = qobject_cast<QMessageBox*>(&modal))
                box = (m->windowTitle() + ": " + m->text() + (m->icon() == QMessageBox::Warning ? " (!)" : ""))
                          .toStdString();
            modal.close();
        });
        act();
        delete waiting.data();  // none opened: stop waiting
        if (!box.empty()) box += " on " + std::to_string(w.currentPage());
        const SearchPosition& p = w.highlight();
        if (p.empty()) return box;
        auto frame = w.preview().document().pages().Item(p.page)->Frames().Item(p.frame);
        return box + std::to_string(w.currentPage()) + ":" +
               searchableText(*frame->Elements().Item(p.element)).value_or("?");
    }
};

TEST_F(FindWindowTest, FindNextMovesFromMatchToMatch) {
    PreviewWindow& w = open();
    FindDialog& d = find(w, "cat");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.windowTitle(), "Find");
    auto& next = test::child<QPushButton>(d, "cmdFindNext");
    EXPECT_EQ(after(w, [&] { next.click(); }), "1:the cat sat");
    EXPECT_EQ(after(w, [&] { test::sendKey(d, Qt::Key_F3); }), "1:Concatenate");  // F3 in the dialog
    EXPECT_EQ(after(w, [&] { next.click(); }), "2:CAT in capitals");
    EXPECT_EQ(after(w, [&] { test::sendKey(w.pageView(), Qt::Key_F3); }), "3:Mixed Cat case");  // and in the window
    // Past the last one: the message, and the position is cleared.
    EXPECT_EQ(after(w, [&] { next.click(); }), "Attention: Not found (!) on 3");
    EXPECT_TRUE(d.position().empty());
    // Options: whole words in their case, then the current page only.
    test::child<QCheckBox>(d, "chkFindWhole").setChecked(true);
    test::child<QCheckBox>(d, "chkMatchCase").setChecked(true);
    w.goPage(1);
    EXPECT_EQ(after(w, [&] { next.click(); }), "1:the cat sat");
    EXPECT_EQ(after(w, [&] { next.click(); }), "Attention: Not found (!) on 1");
    w.goPage(2);
    test::child<QCheckBox>(d, "chkMatchCase").setChecked(false);
    test::child<QRadioButton>(d, "optCurrentPage").setChecked(true);
    EXPECT_EQ(after(w, [&] { next.click(); }), "2:CAT in capitals");
    EXPECT_EQ(after(w, [&] { next.click(); }), "Attention: Not found (!) on 2");
}

TEST_F(FindWindowTest, TextsHistoryEnterAndTheRedMatch) {
    PreviewWindow& w = open();
    test::typeZoom(w, "100");
    auto redPixels = [&] {
        QCoreApplication::processEvents();  // the rows out of view are drawn when idle
        const QImage page = w.pageView().leftImage();
        return test::countPixels(page, page.rect(),
                                 [](QColor c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; });
    };
    EXPECT_EQ(redPixels(), 0);
    FindDialog& d = find(w, "cat");
    QComboBox& box = test::child<QComboBox>(d, "cbFind");
    EXPECT_EQ(after(w, [&] { test::sendKey(*box.lineEdit(), Qt::Key_Return); }), "1:the cat sat");  // once
    EXPECT_EQ(after(w, [&] { test::child<QPushButton>(d, "cmdFindNext").click(); }), "1:Concatenate");
    box.setEditText("sat");  // a new text starts afresh from the current page
    EXPECT_EQ(after(w, [&] { test::child<QPushButton>(d, "cmdFindNext").click(); }), "1:the cat sat");
    EXPECT_EQ(test::comboItems(box), "cat, sat");
    EXPECT_GT(redPixels(), 30);
}

TEST_F(FindWindowTest, GoToAPageByNumberOrByDoubleClickOnThePagePanel) {
    struct Row { const char* name; const char* typed; std::optional<std::int32_t> chosen; };
    test::forEachRow<Row>({
            {"another page", "3", 3}, {"with blanks", " 2 ", 2}, {"the current page", "1", std::nullopt},
            {"zero", "0", std::nullopt}, {"the last page", "4", 4}, {"page count + 1", "5", std::nullopt},
            {"not a number", "x", std::nullopt}, {"a fraction", "2.5", std::nullopt}, {"empty", "", std::nullopt},
        }, [](const Row& row) { EXPECT_EQ(chosenPage(row.typed, 1, 4), row.chosen); });
    PreviewWindow& w = open();
    QString filled, count;
    auto answer = [&](const char* typed) {
        test::whenModalOpens([&, typed](QWidget& modal) {
            filled = test::child<QLineEdit>(modal, "tbPage").text();
            count = test::child<QLabel>(modal, "lblCount").text();
            test::child<QLineEdit>(modal, "tbPage").setText(typed);
            test::child<QPushButton>(modal, "cmdOk").click();
        });
        const QPointF at(w.pagePanel().rect().center());
        QMouseEvent click(QEvent::MouseButtonDblClick, at, w.pagePanel().mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w.pagePanel(), &click);
    };
    EXPECT_EQ(w.pagePanel().toolTip(), "Double click to select a page");
    answer("3");
    EXPECT_EQ(filled + " " + count, "1 / 3");
    EXPECT_EQ(w.currentPage(), 3);
    EXPECT_EQ(w.pageView().verticalScrollBar()->value(), 0);
    for (const char* ignored : {"0", "4", "x"}) {
        answer(ignored);
        EXPECT_EQ(w.currentPage(), 3) << ignored;
    }
    EXPECT_EQ(filled, "3");
}

TEST_F(FindWindowTest, TheTranslatorWorksFromTheLiterals) {
    auto document = [this]() -> const cDocument& { return pv.document(); };
    FindDialog english(document, nullptr);
    const auto names = {"cmdFindNext", "cmdCancel", "chkMatchCase", "optAllPage"};
    EXPECT_EQ(english.windowTitle() + " " + english.findChild<QGroupBox*>()->title(), "Find Search");
    EXPECT_EQ(test::describe(english, names),
              "cmdFindNext=Find &Next, cmdCancel=&Cancel, chkMatchCase=Match Ca&se, optAllPage=&All pages:checked");
    // Texts without a literal stay; a literal's text replaces the whole text.
    QWidget form;
    form.setWindowTitle("Plain title");
    auto* label = new QLabel("Price @ 5 each", &form);
    auto* button = new QPushButton("Go@45", &form);
    button->setToolTip("Print the document@43");
    translateForm(form, kalder::tr);
    EXPECT_EQ((form.windowTitle() + "|" + label->text() + "|" + button->text() + "|" + button->toolTip()).toStdString(),
              "Plain title|Price @ 5 each|&OK|Print the document");
    pv.SetLanguage(prFrench);
    FindDialog french(document, nullptr);
    EXPECT_EQ(french.windowTitle(), "Rechercher");
    EXPECT_EQ(test::describe(french, names), "cmdFindNext=&Suivant, cmdCancel=&Annuler, "
                                             "chkMatchCase=Respecter la ca&sse, optAllPage=&Toutes les pages:checked");
    translateForm(english, kalder::tr);  // again, from the English dialog's literals
    EXPECT_EQ(test::describe(english, names), test::describe(french, names));
}

}  // namespace
}  // namespace kalder
