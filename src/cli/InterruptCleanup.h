#pragma once

namespace tagsmith {

// On SIGINT, SIGTERM and SIGHUP removes the temporary files being written (PendingFileRegistry)
// and then ends the program by the same signal with its default action, so that the caller sees
// the usual status (128 + the signal's number). A document being replaced is thus left exactly as
// it was. Call once, early in main.
void InstallInterruptCleanup();

}  // namespace tagsmith
