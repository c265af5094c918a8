// The print run: the document of a Preview drawn on a printer by its printer settings.
//
// printDocument chooses the printer (the record's PrinterName compared in upper case, else
// the current printer), sets paper size, bin, quality and copies, plans the sheets
// (planPrintRun), draws them and hands the job to the printer; it then sets the output-done
// flag and raises PrintComplete, and makes the printer that was current before current
// again. A printer failure throws AutomationError 482 "Printer error" after the job was
// abandoned; nothing is reset and the document stays.
#pragma once

#include "core/DrawingLayer.h"
#include "print/PrintDevice.h"
#include "print/PrintPlan.h"

namespace kalder {

class Preview;
class cDocument;

void printDocument(Preview& pv);

// Draws the planned sheets of the document on the device in printer mode at zoom 1, with
// `metrics` refreshed from the device after each orientation change; pending events are
// processed after each sheet. On any failure the device job is aborted and the error passes on.
void executePrintPlan(const PrintPlan& plan, cDocument& doc, PrintDevice& device, PrinterMetrics& metrics);

}  // namespace kalder
