// A PrintDevice over a QPrinter in its native format: on Linux Qt writes the job as PDF and
// hands it to the CUPS queue when the job ends, with the copy count, collation and paper as
// job options.
#pragma once

#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <memory>
#include <optional>
#include <string>

#include "platform/QtDrawTarget.h"
#include "print/PrintDevice.h"

namespace kalder {

struct PrintJobOptions {
    std::string printer;                  // queue name, never empty
    std::int32_t printQuality = -3;       // PrintQualityType or dots per inch
    std::optional<QPageSize> pageSize;    // nullopt: the printer's default paper
    std::string inputSlot;                // PPD input slot keyword; "": the printer's default bin
    std::int32_t copies = 1;
    bool collate = true;
    std::string title;
};

class QPrinterDevice final : public PrintDevice {
public:
    explicit QPrinterDevice(const PrintJobOptions& options);
    ~QPrinterDevice() override;

    void setOrientation(std::int32_t orientation) override;
    DrawTarget& startSheet() override;
    PrinterGeometry geometry() const override;
    void finish() override;
    void abort() noexcept override;

private:
    QPrinter printer_;
    QPainter painter_;
    std::unique_ptr<QtDrawTarget> target_;
    bool started_ = false;
};

// The dots per inch a PrintQualityType stands for (draft 150, low 300, medium 600, high 1200;
// a positive value is itself), moved to the nearest resolution the printer lists.
int resolutionFor(std::int32_t printQuality, const QList<int>& supported);

// What a configured QPrinter reports: resolution, printable offsets and size, orientation.
PrinterGeometry geometryOf(const QPrinter& printer);

}  // namespace kalder
