#pragma once

#include <string>

namespace tagsmith {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Empties the clipboard and puts the UTF-8 text on it as plain text.
    virtual void SetText(const std::string& text) = 0;
};

}  // namespace tagsmith
