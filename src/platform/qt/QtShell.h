#pragma once

#include "platform/Shell.h"

namespace tagsmith {

// Opens addresses with the desktop's default handler.
class QtShell : public Shell {
public:
    bool OpenUrl(const std::string& address) override;
};

}  // namespace tagsmith
