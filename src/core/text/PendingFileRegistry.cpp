#include "core/text/PendingFileRegistry.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

namespace tagsmith {

namespace {

enum SlotState : int { kFree = 0, kFilling = 1, kReady = 2 };

struct Slot {
    std::atomic<int> state{kFree};
    std::array<char, PendingFileRegistry::kLongestPath + 1> path{};
};

static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the slots");

// Shared with the signal handler, which can reach nothing else: the one place of process-wide
// state, and written only through Remember and Forget.
std::array<Slot, PendingFileRegistry::kSlots> g_slots;
// Creations under way, and whether the program is ending. Sequentially consistent: a creation
// either sees the end coming and waits, or is seen under way by CloseAndRemoveAll.
std::atomic<int> g_creating{0};
std::atomic<bool> g_closed{false};

constexpr auto kCreationWait = std::chrono::seconds(5);

}  // namespace

void PendingFileRegistry::WaitIfClosed() noexcept {
    while (g_closed.load()) std::this_thread::sleep_for(std::chrono::hours(1));
}

int PendingFileRegistry::Remember(const std::string& path) {
    g_creating.fetch_add(1);
    if (g_closed.load()) {
        g_creating.fetch_sub(1);
        WaitIfClosed();
    }
    if (path.size() > kLongestPath) return -1;
    for (std::size_t i = 0; i < g_slots.size(); ++i) {
        Slot& slot = g_slots[i];
        int expected = kFree;
        if (!slot.state.compare_exchange_strong(expected, kFilling, std::memory_order_acquire)) {
            continue;
        }
        std::memcpy(slot.path.data(), path.c_str(), path.size() + 1);
        slot.state.store(kReady, std::memory_order_release);
        return static_cast<int>(i);
    }
    return -1;
}

void PendingFileRegistry::Created() noexcept {
    g_creating.fetch_sub(1);
}

void PendingFileRegistry::CloseAndRemoveAll() noexcept {
    g_closed.store(true);
    const auto giveUp = std::chrono::steady_clock::now() + kCreationWait;
    while (g_creating.load() > 0 && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::yield();
    }
    RemoveAll();
}

void PendingFileRegistry::Forget(int slot) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= g_slots.size()) return;
    g_slots[static_cast<std::size_t>(slot)].state.store(kFree, std::memory_order_release);
}

void PendingFileRegistry::RemoveAll() noexcept {
    for (Slot& slot : g_slots) {
        if (slot.state.load(std::memory_order_acquire) == kReady) ::unlink(slot.path.data());
    }
}

}  // namespace tagsmith
