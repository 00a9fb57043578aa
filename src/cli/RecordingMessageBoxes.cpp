#include "cli/RecordingMessageBoxes.h"

#include "platform/console/ConsoleMessageBoxes.h"

namespace tagsmith {

MessageResult RecordingMessageBoxes::Show(const std::string& prompt, const std::string& title,
                                          MessageIcon /*icon*/, MessageButtons buttons) {
    ++m_shown;
    const std::string line = ConsoleMessageBoxes::FormatLine(prompt, title);
    m_lines += line + "\n";
    m_prompts += (m_prompts.empty() ? "" : "\r\n") + prompt;
    if (!m_first) {
        // The message as the line shows it: after "tagsmith: TITLE: ".
        const std::size_t skip = std::string("tagsmith: ").size() + (title.empty() ? 0 : title.size() + 2);
        m_first = Refusal{title, line.substr(skip)};
    }
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
