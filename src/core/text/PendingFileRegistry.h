#pragma once

#include <cstddef>
#include <string>

namespace tagsmith {

// The temporary files being written at this moment, kept where a signal handler can reach them:
// on SIGINT, SIGTERM or SIGHUP the command-line tool removes them before it ends. The storage is
// fixed (no allocation) and each slot is claimed and released with lock-free atomics, so that
// RemoveAll may run inside a signal handler. A path is remembered before its file is created and
// forgotten only after the file was renamed or removed, so no moment leaves a file unknown.
//
// With several threads writing, the one that ends the program must also keep the others from
// creating a file after it removed them: Remember starts a creation that lasts until Created is
// called, and Close waits for the creations under way and makes every later one wait for the
// end of the program instead.
class PendingFileRegistry {
public:
    static constexpr std::size_t kSlots = 64;
    static constexpr std::size_t kLongestPath = 4095;

    // Stores the path in a free slot; -1 when the path is too long or every slot is taken (the
    // file is then written all the same, only not removed on a signal). The file is to be
    // created next, then Created called, whatever the outcome. After Close it never returns.
    static int Remember(const std::string& path);
    static void Created() noexcept;
    static void Forget(int slot);
    // Unlinks every remembered file. Async-signal-safe.
    static void RemoveAll() noexcept;
    // For the thread that ends the program: no file is created from now on; waits for the
    // creations under way (a few seconds at most), then unlinks every remembered file.
    static void CloseAndRemoveAll() noexcept;
    // Never returns once CloseAndRemoveAll has begun: the program is ending by a signal, and a
    // thread must neither rename a file nor end the program in its own way meanwhile.
    static void WaitIfClosed() noexcept;
};

}  // namespace tagsmith
