// Progress of the long operations (exports, the print run): each reports pages done of pages
// total as it finishes a page, and stops at the next page when asked to. The operation that
// a caller starts (Preview's ExportPDF, the print run ...) opens a ProgressScope with the
// caller's callback on its thread; the page loops deep inside call reportPage() without
// knowing who listens, so no writer's signature carries the callback.
//
// Contract: reportPage(done, total) calls the callback of the innermost scope on this thread
// that has one (nothing when there is none); when the callback sets `cancel`, it throws AutomationError 18
// with the scope's source and "User interrupt occurred", which the operation lets through
// after removing what it had half written (the writers write beside the target and rename).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace kalder {

using ProgressCallback = std::function<void(std::int32_t pagesDone, std::int32_t pagesTotal, bool& cancel)>;

class ProgressScope {
public:
    ProgressScope(ProgressCallback callback, std::string source);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    friend void reportPage(std::int32_t, std::int32_t);
    ProgressCallback callback_;
    std::string source_;
    ProgressScope* outer_;
};

void reportPage(std::int32_t done, std::int32_t total);

}  // namespace kalder
