#include "core/TemporaryFiles.h"

#include <array>
#include <atomic>
#include <climits>
#include <cstring>
#include <unistd.h>

namespace kalder {

namespace {

// Files written at once: an export writes one (an HTML export one page at a time), so a
// process with a few documents in flight stays far below this.
constexpr int kSlots = 64;

enum State : int { Free, Filling, Live };

struct Slot {
    std::atomic<int> state{Free};
    char path[PATH_MAX];
};

std::array<Slot, kSlots>& slots() {
    static std::array<Slot, kSlots> table;
    return table;
}

static_assert(std::atomic<int>::is_always_lock_free, "a signal handler reads the states");

}  // namespace

int temporary::record(const std::string& path) noexcept {
    if (path.size() >= PATH_MAX) return -1;
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = slots()[i];
        int expected = Free;
        if (!slot.state.compare_exchange_strong(expected, Filling)) continue;
        std::memcpy(slot.path, path.c_str(), path.size() + 1);
        slot.state.store(Live, std::memory_order_release);
        return i;
    }
    return -1;
}

void temporary::forget(int slot) noexcept {
    if (slot >= 0 && slot < kSlots) slots()[slot].state.store(Free, std::memory_order_release);
}

void removeTemporaryFiles() noexcept {
    for (Slot& slot : slots())
        if (slot.state.load(std::memory_order_acquire) == Live) ::unlink(slot.path);
}

}  // namespace kalder
