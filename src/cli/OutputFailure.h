#pragma once

#include <ostream>

namespace tagsmith {

inline constexpr int kOutputFailureStatus = 1;

// Flushes the output stream and tells whether everything written to it so far reached its
// destination. When not, writes "tagsmith: cannot write the output: <the system's reason>" to
// err. error: the errno of the failed write, if the caller caught it (0: take errno now).
bool OutputWritten(std::ostream& out, std::ostream& err, int error = 0);

}  // namespace tagsmith
