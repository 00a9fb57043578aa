#pragma once

#include "platform/Clipboard.h"

namespace tagsmith {

// The system clipboard.
class QtClipboard : public Clipboard {
public:
    void SetText(const std::string& text) override;
};

}  // namespace tagsmith
