#pragma once

namespace tagsmith {

// Opens /dev/null on each of the descriptors 0, 1 and 2 that is closed. Called first thing at
// start, before any file is opened: a file opened later would otherwise take a free standard
// descriptor, and a message meant for the error stream would be written into it.
void OpenClosedStandardDescriptors() noexcept;

}  // namespace tagsmith
