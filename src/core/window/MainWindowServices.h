#pragma once

#include "platform/Clipboard.h"
#include "platform/FileDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/PendingEvents.h"
#include "platform/Shell.h"

namespace tagsmith {

// The platform services the main window uses besides its own controls; tests lend fakes.
struct MainWindowServices {
    MessageBoxes& messages;
    FileDialog& fileDialog;
    Clipboard& clipboard;
    Shell& shell;
    PendingEvents& events;  // runs the window's pending events during a scan
};

}  // namespace tagsmith
