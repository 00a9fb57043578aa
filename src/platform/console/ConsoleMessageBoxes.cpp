#include "platform/console/ConsoleMessageBoxes.h"

#include "core/text/StringOperations.h"

namespace tagsmith {

std::string ConsoleMessageBoxes::FormatLine(const std::string& prompt, const std::string& title,
                                            const std::string& file) {
    const std::string flat = ReplaceLineBreaks(prompt, " ");
    std::string line = "tagsmith: ";
    if (!file.empty()) line += file + ": ";
    // A box without a title (the fatal program-text failure) has no title part either.
    if (!title.empty()) line += title + ": ";
    return line + flat;
}

MessageResult ConsoleMessageBoxes::SafeAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return MessageResult::No;
        case MessageButtons::YesNoCancel:
            return MessageResult::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return MessageResult::Ok;
}

MessageResult ConsoleMessageBoxes::Show(const std::string& prompt, const std::string& title,
                                        MessageIcon /*icon*/, MessageButtons buttons) {
    ++m_shown;
    m_stream << FormatLine(prompt, title, m_file) << '\n';
    m_stream.flush();
    return SafeAnswer(buttons);
}

}  // namespace tagsmith
