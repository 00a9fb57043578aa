#pragma once

#include <string>

namespace tagsmith {

enum class MessageIcon { None, Information, Exclamation, Critical };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageResult { Ok, Yes, No, Cancel };

// Modal message boxes. Texts are UTF-8; line breaks inside a prompt are CR LF.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageResult Show(const std::string& prompt, const std::string& title,
                               MessageIcon icon = MessageIcon::Exclamation,
                               MessageButtons buttons = MessageButtons::Ok) = 0;
};

}  // namespace tagsmith
