#include "cli/OutputFailure.h"

#include <cerrno>
#include <cstring>

namespace tagsmith {

bool OutputWritten(std::ostream& out, std::ostream& err, int error) {
    if (out) out.flush();
    if (out) return true;
    if (error == 0) error = errno != 0 ? errno : EIO;
    err << "tagsmith: cannot write the output: " << std::strerror(error) << std::endl;
    return false;
}

}  // namespace tagsmith
