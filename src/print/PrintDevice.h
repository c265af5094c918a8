// What the print run needs of a printer, so that the run can be driven and checked without
// one. The run calls setOrientation before a sheet when the orientation changes (it applies
// to the sheets started after it), startSheet for every sheet (the first begins the job),
// geometry() whenever it refreshes the metrics, and finish() once at the end; when anything
// fails it calls abort() instead of finish(), and no job reaches the printer.
#pragma once

#include <cstdint>

#include "core/DrawTarget.h"
#include "print/PrinterGeometry.h"

namespace kalder {

class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    virtual void setOrientation(std::int32_t orientation) = 0;  // eOrientation
    // The surface of the new sheet, valid until the next call. Throws AutomationError when the
    // printer refuses the sheet.
    virtual DrawTarget& startSheet() = 0;
    virtual PrinterGeometry geometry() const = 0;
    // Ends the job and hands it to the printer. Throws AutomationError when it is refused.
    virtual void finish() = 0;
    virtual void abort() noexcept = 0;
};

}  // namespace kalder
