// Opening the printer setup dialog on a Preview, for EndDocument and for the preview
// window's print button.
#pragma once

#include <cstdint>

class QWidget;

namespace kalder {

class Preview;

enum class SetupResult { Cancelled, Printed, Exported };

// Shows frmPrinterSetup modally over `parent` (or at once acts as if Print was pressed when
// DirectPrinting is set). `currentPage` is the page "Current page" prints. Raises -69 "Kalder"
// "Output destination not handled" when the host's Qt application cannot show widgets.
SetupResult showPrinterSetup(Preview& pv, QWidget* parent = nullptr, std::int32_t currentPage = 1);

}  // namespace kalder
