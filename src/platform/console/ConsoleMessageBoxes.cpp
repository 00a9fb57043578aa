#include "platform/console/ConsoleMessageBoxes.h"

namespace tagsmith {

std::string ConsoleMessageBoxes::FormatLine(const std::string& prompt, const std::string& title,
                                            const std::string& file) {
    std::string flat;
    flat.reserve(prompt.size());
    for (std::size_t i = 0; i < prompt.size(); ++i) {
        const char c = prompt[i];
        if (c == '\r' && i + 1 < prompt.size() && prompt[i + 1] == '\n') continue;  // CR LF: one
        flat += (c == '\r' || c == '\n') ? ' ' : c;
    }
    std::string line = "tagsmith: ";
    if (!file.empty()) line += file + ": ";
    // A box without a title (the fatal program-text failure) has no title part either.
    if (!title.empty()) line += title + ": ";
    return line + flat;
}

MessageResult ConsoleMessageBoxes::Show(const std::string& prompt, const std::string& title,
                                        MessageIcon /*icon*/, MessageButtons buttons) {
    ++m_shown;
    m_stream << FormatLine(prompt, title, m_file) << '\n';
    m_stream.flush();
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

}  // namespace tagsmith
