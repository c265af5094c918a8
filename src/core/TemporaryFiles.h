// The record of temporary files being written, kept so that a signal handler can remove them:
// a fixed table of names with an atomic state each, which a handler can read without a lock.
#pragma once

#include <string>

#include "kalder/TemporaryFiles.h"

namespace kalder::temporary {

// Records a temporary file; returns its slot, or -1 when the table is full (the file is then
// only removed by its writer).
int record(const std::string& path) noexcept;
// Forgets a slot once its file is renamed or removed.
void forget(int slot) noexcept;

}  // namespace kalder::temporary
