// The find dialog and the go-to-page dialog of a shown window.
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "support/TableTest.h"
#include "viewer/FindDialog.h"
#include "viewer/GotoPageDialog.h"
#include "WindowTestSupport.h"

namespace kalder {
namespace {

struct Message {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

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
        FindDialog* dialog = w.findDialog();
        if (!dialog) throw std::runtime_error("no find dialog");
        test::child<QComboBox>(*dialog, "cbFind").setEditText(text);
        return *dialog;
    }
    void clickFindNext(FindDialog& d) { test::child<QPushButton>(d, "cmdFindNext").click(); }
    // Closes the "not found" box the next search opens and tells what it said.
    void expectMessage() {
        auto m = std::make_shared<Message>();
        test::whenModalOpens([m](QWidget& modal) {
            if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
                m->title = box->windowTitle();
                m->text = box->text();
                m->icon = box->icon();
            }
            modal.close();
        });
        pending_ = m;
    }
    Message message() const { return pending_ ? *pending_ : Message{}; }
    std::string matchedText(PreviewWindow& w) {
        const SearchPosition& p = w.highlight();
        auto frame = pv.document().pages().Item(p.page)->Frames().Item(p.frame);
        return *searchableText(*frame->Elements().Item(p.element));
    }
    std::shared_ptr<Message> pending_;
};

TEST_F(FindWindowTest, FindNextMovesFromMatchToMatchAndShowsItsPage) {
    PreviewWindow& w = open();
    FindDialog& d = find(w, "cat");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.windowTitle(), "Find");
    clickFindNext(d);
    EXPECT_EQ(w.currentPage(), 1);
    EXPECT_EQ(matchedText(w), "the cat sat");
    clickFindNext(d);
    EXPECT_EQ(matchedText(w), "Concatenate");
    clickFindNext(d);
    EXPECT_EQ(w.currentPage(), 2);
    EXPECT_EQ(matchedText(w), "CAT in capitals");
    // F3 in the window repeats the search.
    test::sendKey(w.pageView(), Qt::Key_F3);
    EXPECT_EQ(w.currentPage(), 3);
    EXPECT_EQ(matchedText(w), "Mixed Cat case");
    // Past the last one: the message, and the position is cleared.
    expectMessage();
    test::sendKey(w.pageView(), Qt::Key_F3);
    EXPECT_EQ(message().title, "Attention");
    EXPECT_EQ(message().text, "Not found");
    EXPECT_EQ(message().icon, QMessageBox::Warning);
    EXPECT_TRUE(w.highlight().empty());
    EXPECT_TRUE(d.position().empty());
    EXPECT_EQ(w.currentPage(), 3);
}

TEST_F(FindWindowTest, OptionsOfTheDialog) {
    PreviewWindow& w = open();
    FindDialog& d = find(w, "cat");
    test::child<QCheckBox>(d, "chkFindWhole").setChecked(true);
    test::child<QCheckBox>(d, "chkMatchCase").setChecked(true);
    clickFindNext(d);
    EXPECT_EQ(matchedText(w), "the cat sat");
    expectMessage();
    clickFindNext(d);
    EXPECT_EQ(message().text, "Not found");
    // The current page only.
    w.goPage(2);
    test::child<QCheckBox>(d, "chkMatchCase").setChecked(false);
    test::child<QRadioButton>(d, "optCurrentPage").setChecked(true);
    clickFindNext(d);
    EXPECT_EQ(matchedText(w), "CAT in capitals");
    expectMessage();
    clickFindNext(d);
    EXPECT_EQ(message().text, "Not found");
    EXPECT_EQ(w.currentPage(), 2);
}

TEST_F(FindWindowTest, HistoryKeepsEachTextOnce) {
    PreviewWindow& w = open();
    FindDialog& d = find(w, "cat");
    clickFindNext(d);
    clickFindNext(d);
    test::child<QComboBox>(d, "cbFind").setEditText("beta");
    clickFindNext(d);
    EXPECT_EQ(matchedText(w), "Alpha beta") << "a new text starts afresh from the current page";
    QComboBox& box = test::child<QComboBox>(d, "cbFind");
    ASSERT_EQ(box.count(), 2);
    EXPECT_EQ(box.itemText(0), "cat");
    EXPECT_EQ(box.itemText(1), "beta");
}

TEST_F(FindWindowTest, F3InTheDialogFindsTheNextOne) {
    PreviewWindow& w = open();
    FindDialog& d = find(w, "cat");
    clickFindNext(d);
    test::sendKey(d, Qt::Key_F3);
    EXPECT_EQ(matchedText(w), "Concatenate");
}

TEST_F(FindWindowTest, EnterInTheTextSearchesOnce) {
    PreviewWindow& w = open();
    FindDialog& d = find(w, "cat");
    test::sendKey(*test::child<QComboBox>(d, "cbFind").lineEdit(), Qt::Key_Return);
    EXPECT_EQ(matchedText(w), "the cat sat");
}

TEST_F(FindWindowTest, TheMatchIsDrawnInRed) {
    PreviewWindow& w = open();
    test::typeZoom(w, "100");
    auto redPixels = [&] {
        QCoreApplication::processEvents();  // the rows out of view are drawn when idle
        const QImage page = w.pageView().leftImage().convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                n += c.red() > 150 && c.green() < 90 && c.blue() < 90;
            }
        return n;
    };
    const int before = redPixels();
    FindDialog& d = find(w, "sat");
    clickFindNext(d);
    EXPECT_EQ(before, 0);
    EXPECT_GT(redPixels(), 30);
}

TEST_F(FindWindowTest, HiddenFindButtonAlsoHidesCtrlF) {
    pv.ShowFindButton(false);
    PreviewWindow& w = open();
    test::sendKey(w.pageView(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(w.findDialog(), nullptr);
}

TEST(GotoPage, WhatATypedNumberChooses) {
    struct Row {
        const char* name;
        const char* typed;
        std::optional<std::int32_t> chosen;
    };
    test::forEachRow<Row>(
        {
            {"another page", "3", 3},
            {"with blanks", " 2 ", 2},
            {"the current page", "1", std::nullopt},
            {"zero", "0", std::nullopt},
            {"page count + 1", "5", std::nullopt},
            {"not a number", "x", std::nullopt},
            {"a fraction", "2.5", std::nullopt},
            {"empty", "", std::nullopt},
            {"the last page", "4", 4},
        },
        [](const Row& row) { EXPECT_EQ(chosenPage(row.typed, 1, 4), row.chosen); });
}

TEST_F(FindWindowTest, DoubleClickOnThePagePanelGoesToAPage) {
    PreviewWindow& w = open();
    QString filled, count;
    auto answer = [&](const char* typed) {
        test::whenModalOpens([&, typed](QWidget& modal) {
            filled = test::child<QLineEdit>(modal, "tbPage").text();
            count = test::child<QLabel>(modal, "lblCount").text();
            test::child<QLineEdit>(modal, "tbPage").setText(typed);
            test::child<QPushButton>(modal, "cmdOk").click();
        });
        test::sendDoubleClick(w.pagePanel());
    };
    EXPECT_EQ(w.pagePanel().toolTip(), "Double click to select a page");
    answer("3");
    EXPECT_EQ(filled, "1");
    EXPECT_EQ(count, "/ 3");
    EXPECT_EQ(w.currentPage(), 3);
    EXPECT_EQ(w.pageView().verticalScrollBar()->value(), 0);
    for (const char* ignored : {"0", "4", "x"}) {
        answer(ignored);
        EXPECT_EQ(w.currentPage(), 3) << ignored;
    }
    EXPECT_EQ(filled, "3");
}

}  // namespace
}  // namespace kalder
