#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace tagsmith::test {

// Records the addresses it is asked to open; succeeds unless told to fail.
class FakeShell : public Shell {
public:
    bool OpenUrl(const std::string& address) override {
        opened.push_back(address);
        return succeed;
    }

    bool succeed = true;
    std::vector<std::string> opened;
};

}  // namespace tagsmith::test
