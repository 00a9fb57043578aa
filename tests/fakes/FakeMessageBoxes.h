#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

namespace tagsmith::test {

// Records every box shown; answers from a queue of next answers, else OK (or No for a question).
class FakeMessageBoxes : public MessageBoxes {
public:
    struct Box {
        std::string prompt;
        std::string title;
        MessageIcon icon = MessageIcon::None;
        MessageButtons buttons = MessageButtons::Ok;
    };

    MessageResult Show(const std::string& prompt, const std::string& title, MessageIcon icon,
                       MessageButtons buttons) override {
        shown.push_back({prompt, title, icon, buttons});
        if (!nextAnswers.empty()) {
            const MessageResult answer = nextAnswers.front();
            nextAnswers.pop_front();
            return answer;
        }
        return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::No;
    }

    // The answers the next boxes give, front first.
    std::deque<MessageResult> nextAnswers;
    // Every box shown, in order.
    std::vector<Box> shown;
};

}  // namespace tagsmith::test
