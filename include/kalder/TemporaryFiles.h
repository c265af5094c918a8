// Files are written to a temporary file beside their target and renamed over it when complete
// (a failed write never leaves a file that looks complete). A program that ends from a signal
// skips the clean-up that removes such a temporary file; its signal handler can call this.
#pragma once

namespace kalder {

// Removes every temporary file this process is writing. Safe to call from a signal handler
// (it only unlinks names recorded beforehand); the writes in progress then fail.
void removeTemporaryFiles() noexcept;

}  // namespace kalder
