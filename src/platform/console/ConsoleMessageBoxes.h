#pragma once

#include <ostream>
#include <string>

#include "platform/MessageBoxes.h"

namespace tagsmith {

// Message boxes on a console stream: "tagsmith: <title>: <prompt>" on one line (the prompt's
// line breaks written as spaces; "tagsmith: <prompt>" when the title is empty). Questions get their
// safe answer (No, or Cancel).
class ConsoleMessageBoxes : public MessageBoxes {
public:
    explicit ConsoleMessageBoxes(std::ostream& stream) : m_stream(stream) {}

    MessageResult Show(const std::string& prompt, const std::string& title, MessageIcon icon,
                       MessageButtons buttons) override;

    // How many boxes were shown so far.
    int ShownCount() const { return m_shown; }
    static std::string FormatLine(const std::string& prompt, const std::string& title);

private:
    std::ostream& m_stream;
    int m_shown = 0;
};

}  // namespace tagsmith
