#include "core/text/StandardDescriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace tagsmith {

void OpenClosedStandardDescriptors() noexcept {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // open returns the lowest free descriptor, which is this one.
        const int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        // Without /dev/null the descriptor stays free for any file; ending is the safe answer.
        if (opened != fd) _exit(1);
    }
}

}  // namespace tagsmith
