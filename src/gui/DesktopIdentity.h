#pragma once

namespace tagsmith {

// The desktop entry's name, which desktops use to group the program's windows and show the
// entry's icon for them.
inline constexpr const char* kDesktopFileName = "org.example.tagsmith";

// Names the running application to the desktop (its desktop entry) and gives every window the
// program's icon, drawn from the copies built into the program (the scalable picture where the
// toolkit can draw it, else the 48 and 256 pixel ones). Needs the application object.
void SetDesktopIdentity();

}  // namespace tagsmith
