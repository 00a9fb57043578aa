#pragma once

#include <string>

#include "platform/MessageBoxes.h"

namespace tagsmith {

// What leaving one of the two limit boxes does: the box's new text, and the message to show
// first (none when message is empty), after which the box gets the focus back.
struct LimitBoxCheck {
    std::string stripped;  // the text stripped to a number, shown while the message is up
    std::string text;
    std::string message;
    std::string title;
    MessageIcon icon = MessageIcon::None;
    bool refocus = false;
};

// The title of boxes that have none of their own: the program's name.
inline constexpr const char* kApplicationTitle = "Tagsmith";

// Leaving "Maximum number of keywords in meta tag": the text stripped to a number; empty gives
// "50" silently; a number below 5 or above 100 gives its message and "50".
LimitBoxCheck CheckMaxKeywordsBox(std::string text);
// Leaving "Maximum number of bytes in meta tag": the text stripped to a number; empty stays
// empty; a number above 1000 gives its message and "500".
LimitBoxCheck CheckMaxBytesBox(std::string text);

}  // namespace tagsmith
