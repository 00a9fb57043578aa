#pragma once

#include <string>

namespace tagsmith {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a web address or a local file with the platform's default handler; false on failure.
    virtual bool OpenUrl(const std::string& address) = 0;
};

}  // namespace tagsmith
