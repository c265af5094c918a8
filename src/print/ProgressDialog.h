// A progress dialog with a Cancel button over a print run or an export started from a window:
// it appears when the work takes longer than a second, counts the pages, and its Cancel
// button stops the work at the next page (the print job is aborted, the export keeps any
// earlier file). The caller's own onProgress still hears every page while it is open.
#pragma once

#include <QProgressDialog>

#include "kalder/Preview.h"

namespace kalder {

class ProgressDialogScope {
public:
    ProgressDialogScope(Preview& pv, QWidget* parent);
    ~ProgressDialogScope();
    ProgressDialogScope(const ProgressDialogScope&) = delete;
    ProgressDialogScope& operator=(const ProgressDialogScope&) = delete;

private:
    Preview& pv_;
    decltype(Preview::onProgress) callers_;
    QProgressDialog dialog_;
};

}  // namespace kalder
