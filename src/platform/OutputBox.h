#pragma once

#include <string>

namespace tagsmith {

// The multi-line output box. Text is UTF-8 with CR LF line breaks.
class OutputBox {
public:
    virtual ~OutputBox() = default;
    virtual void SetText(const std::string& text) = 0;
    virtual void AppendText(const std::string& text) = 0;
    virtual std::string Text() const = 0;
    virtual void MoveCaretToStart() {}
    virtual void MoveCaretToEnd() {}
};

}  // namespace tagsmith
