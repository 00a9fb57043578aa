#pragma once

#include <ostream>
#include <string>
#include <utility>

#include "platform/MessageBoxes.h"

namespace tagsmith {

// Message boxes on a console stream: "tagsmith: <file>: <title>: <prompt>" on one line (the
// prompt's line breaks written as spaces; the file part only for boxes about a file, the title
// part only when there is a title). Questions get their safe answer (No, or Cancel).
class ConsoleMessageBoxes : public MessageBoxes {
public:
    explicit ConsoleMessageBoxes(std::ostream& stream, std::string file = {})
        : m_stream(stream), m_file(std::move(file)) {}

    MessageResult Show(const std::string& prompt, const std::string& title, MessageIcon icon,
                       MessageButtons buttons) override;

    // How many boxes were shown so far.
    int ShownCount() const { return m_shown; }
    // The answer when nobody can be asked: No to a question, Cancel where there is one.
    static MessageResult SafeAnswer(MessageButtons buttons);
    // The file is written as given, byte for byte.
    static std::string FormatLine(const std::string& prompt, const std::string& title,
                                  const std::string& file = {});

private:
    std::ostream& m_stream;
    std::string m_file;
    int m_shown = 0;
};

}  // namespace tagsmith
