#include "core/Progress.h"

#include "kalder/AutomationError.h"

namespace kalder {

namespace {
thread_local ProgressScope* current = nullptr;
}

ProgressScope::ProgressScope(ProgressCallback callback, std::string source)
    : callback_(std::move(callback)), source_(std::move(source)), outer_(current) {
    current = this;
}

ProgressScope::~ProgressScope() { current = outer_; }

void reportPage(std::int32_t done, std::int32_t total) {
    // The innermost scope that has a listener hears it: an export opened without one inside
    // an operation that has one (a tool's progress line) still reports to the outer one.
    const ProgressScope* listener = current;
    while (listener && !listener->callback_) listener = listener->outer_;
    if (!listener) return;
    bool cancel = false;
    listener->callback_(done, total, cancel);
    if (cancel) throw AutomationError(18, current->source_, "User interrupt occurred");
}

}  // namespace kalder
