#pragma once

namespace tagsmith {

// On SIGINT, SIGTERM and SIGHUP removes the temporary files being written (PendingFileRegistry)
// and then ends the program by the same signal with its default action, so that the caller sees
// the usual status (128 + the signal's number). A document being replaced is thus left exactly as
// it was, however many threads are writing. SIGPIPE is ignored, so that a closed output pipe is
// an output failure like any other rather than a silent end. Call once, early in main, before any
// thread is started: the three signals are blocked in every thread and taken by one of their own.
void InstallInterruptCleanup();

}  // namespace tagsmith
