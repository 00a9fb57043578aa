#pragma once

#include <string>

namespace tagsmith {

inline constexpr const char* kHelpWindowCaption = "Help screen for Tagsmith";
inline constexpr const char* kHelpCloseCaption = "Close";

// The built-in user guide shown in the help window (CR LF line breaks); manualAddress is the
// address of the illustrated user manual named in its first sentence.
std::string HelpGuideText(const std::string& manualAddress);

}  // namespace tagsmith
