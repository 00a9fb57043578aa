#pragma once

#include <optional>
#include <string>
#include <utility>

#include "cli/DocumentReport.h"
#include "platform/MessageBoxes.h"

namespace tagsmith {

// Message boxes of one document's command, kept until the document's turn to be reported:
// each box as an error-stream line, and the first one as the document's refusal. Questions get
// their safe answer, as on the console.
class RecordingMessageBoxes : public MessageBoxes {
public:
    // file: the document the boxes are about, named in each line.
    explicit RecordingMessageBoxes(std::string file) : m_file(std::move(file)) {}

    MessageResult Show(const std::string& prompt, const std::string& title, MessageIcon icon,
                       MessageButtons buttons) override;

    int ShownCount() const { return m_shown; }
    // The boxes as "tagsmith: FILE: TITLE: PROMPT" lines, each ending in "\n".
    const std::string& Lines() const { return m_lines; }
    // The prompts one after the other with CR LF between them (the success messages of insert).
    const std::string& Prompts() const { return m_prompts; }
    const std::optional<Refusal>& First() const { return m_first; }

private:
    std::string m_file;
    int m_shown = 0;
    std::string m_lines;
    std::string m_prompts;
    std::optional<Refusal> m_first;
};

}  // namespace tagsmith
