#include "core/text/SystemError.h"

#include <cerrno>
#include <system_error>

namespace tagsmith {

void ThrowLastError(const std::string& what) {
    const int error = errno != 0 ? errno : EIO;
    throw std::system_error(error, std::generic_category(), what);
}

FileRefusedError::FileRefusedError(Reason reason, const std::string& path)
    : std::runtime_error(reason == Reason::Changed ? path + " was changed by another program"
                                                   : path + " is not a regular file"),
      m_reason(reason),
      m_path(path) {}

}  // namespace tagsmith
