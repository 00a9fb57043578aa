#pragma once

#include "platform/MessageBoxes.h"

class QMessageBox;
class QString;

namespace tagsmith {

// Modal message boxes over the active window. A Yes/No question defaults to No, a
// Yes/No/Cancel question to Yes; Escape answers No or Cancel.
class QtMessageBoxes : public MessageBoxes {
public:
    MessageResult Show(const std::string& prompt, const std::string& title, MessageIcon icon,
                       MessageButtons buttons) override;

    // Prepares the box as Show shows it.
    static void Configure(QMessageBox& box, const std::string& prompt, const std::string& title,
                          MessageIcon icon, MessageButtons buttons);
    // The width a box needs so that its title bar shows the whole title.
    static int TitleWidth(const QString& title);
};

}  // namespace tagsmith
