// The go-to-page dialog: a page number, "/ " and the page count, OK, Cancel and About. It
// closes after OK or Cancel; OK with a number from 1 to the page count other than the
// current page chooses that page, anything else is ignored silently.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>
#include <string_view>

class QLineEdit;

namespace kalder {

// The page a typed number chooses, or none (not a whole number, out of range, or the
// current page).
std::optional<std::int32_t> chosenPage(std::string_view typed, std::int32_t current, std::int32_t count);

class GotoPageDialog final : public QDialog {
public:
    GotoPageDialog(std::int32_t current, std::int32_t count, QWidget* parent);

    // The page chosen when the dialog closed with OK.
    std::optional<std::int32_t> choice() const noexcept { return choice_; }
    QLineEdit& pageBox() noexcept { return *tbPage_; }

private:
    QLineEdit* tbPage_;
    std::int32_t current_;
    std::int32_t count_;
    std::optional<std::int32_t> choice_;
};

}  // namespace kalder
