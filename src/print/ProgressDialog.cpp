#include "print/ProgressDialog.h"

namespace kalder {

ProgressDialogScope::ProgressDialogScope(Preview& pv, QWidget* parent)
    : pv_(pv), callers_(pv.onProgress), dialog_(parent) {
    dialog_.setWindowTitle(QStringLiteral("Kalder"));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(1000);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
    pv.onProgress = [this](std::int32_t done, std::int32_t total, bool& cancel) {
        dialog_.setMaximum(total);
        dialog_.setLabelText(QStringLiteral("Page %1 of %2").arg(done).arg(total));
        dialog_.setValue(done);  // a window-modal dialog handles the Cancel button here
        if (callers_) callers_(done, total, cancel);
        cancel = cancel || dialog_.wasCanceled();
    };
}

ProgressDialogScope::~ProgressDialogScope() { pv_.onProgress = callers_; }

}  // namespace kalder
