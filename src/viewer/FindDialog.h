// The find dialog of the preview window: a search text with the history of earlier ones,
// match case, whole word, the current page or all pages, Find Next and Cancel.
//
// It stays open beside the window; each Find Next (the button, Enter, or F3 in the window)
// looks for the next element from the window's current page on, past the last match. A
// found element is handed to onFound; when nothing is found a message box titled
// "Attention" says so, the search position is cleared and onNotFound is called. Changing
// the search text or an option starts the search afresh.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

#include "viewer/TextSearch.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace kalder {

class cDocument;

class FindDialog final : public QDialog {
public:
    // `document` gives the document to search at the time of each search, as the Preview may
    // have replaced it since the dialog opened.
    FindDialog(std::function<const cDocument&()> document, QWidget* parent);

    std::function<std::int32_t()> currentPage;
    std::function<void(const SearchMatch&)> onFound;
    std::function<void()> onNotFound;

    // Runs one search with the dialog's text and options; false when nothing was found (the
    // message box was shown) or there is no text.
    bool findNext();
    bool hasSearchText() const;

    const SearchPosition& position() const noexcept { return position_; }
    SearchOptions options() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<const cDocument&()> document_;
    QComboBox* cbFind_;
    QCheckBox* chkMatchCase_;
    QCheckBox* chkFindWhole_;
    QRadioButton* optCurrentPage_;
    QRadioButton* optAllPage_;
    QPushButton* cmdFindNext_;
    QPushButton* cmdCancel_;
    SearchPosition position_;
    SearchOptions lastOptions_;
};

}  // namespace kalder
