// The tool's progress line: "kalder: page 12 of 1000" on standard error, rewritten in place
// as an export or a print run finishes pages, and ended with a line break at the last page. Nothing when
// standard error is no terminal (a log file or a pipe gets no carriage returns).
#pragma once

#include <unistd.h>

#include <cstdio>
#include <memory>

#include "core/Progress.h"

namespace kalder::app {

class TerminalProgress {
public:
    TerminalProgress() {
        if (!::isatty(STDERR_FILENO)) return;
        scope_ = std::make_unique<ProgressScope>(
            [this](std::int32_t done, std::int32_t total, bool&) {
                std::fprintf(stderr, "\rkalder: page %d of %d%s", done, total, done == total ? "\n" : "");
                std::fflush(stderr);
                open_ = done != total;
            },
            "kalder");
    }
    ~TerminalProgress() {
        if (open_) std::fputs("\n", stderr);  // stopped midway: the next message starts a line
    }
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

private:
    std::unique_ptr<ProgressScope> scope_;
    bool open_ = false;
};

}  // namespace kalder::app
