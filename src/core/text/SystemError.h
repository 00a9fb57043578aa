#pragma once

#include <stdexcept>
#include <string>

namespace tagsmith {

// A std::system_error for the errno of the call that has just failed (EIO when errno is 0).
[[noreturn]] void ThrowLastError(const std::string& what);

// A file that the safe reading or writing refuses to touch, for a reason that is no system
// failure: the file changed under the program's hands, or it is not a regular file.
class FileRefusedError : public std::runtime_error {
public:
    enum class Reason { Changed, NotRegular };

    FileRefusedError(Reason reason, const std::string& path);

    Reason GetReason() const { return m_reason; }
    const std::string& Path() const { return m_path; }

private:
    Reason m_reason;
    std::string m_path;
};

}  // namespace tagsmith
