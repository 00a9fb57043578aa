#include "cli/RecordingMessageBoxes.h"

#include <string_view>

#include "platform/console/ConsoleMessageBoxes.h"

namespace tagsmith {

MessageResult RecordingMessageBoxes::Show(const std::string& prompt, const std::string& title,
                                          MessageIcon /*icon*/, MessageButtons buttons) {
    ++m_shown;
    m_lines += ConsoleMessageBoxes::FormatLine(prompt, title, m_file) + "\n";
    m_prompts += (m_prompts.empty() ? "" : "\r\n") + prompt;
    if (!m_first) {
        // The message as the line shows it (line breaks as blanks), without the prefix.
        const std::string flat = ConsoleMessageBoxes::FormatLine(prompt, "");
        m_first = Refusal{title, flat.substr(std::string_view("tagsmith: ").size())};
    }
    return ConsoleMessageBoxes::SafeAnswer(buttons);
}

}  // namespace tagsmith
