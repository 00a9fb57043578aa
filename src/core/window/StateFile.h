#pragma once

#include <string>

#include "core/model/GeneratorSettings.h"
#include "core/text/ProgramText.h"
#include "core/window/SettingsController.h"
#include "platform/MessageBoxes.h"

namespace tagsmith {

// The settings saved between runs: 21 values, one a line, in the user's configuration folder.
class StateFile {
public:
    // Works out the path (program text 2 in lower case + ".usr", in the folder named by program
    // text 310) and creates the folder when it is missing. A folder that cannot be made leaves
    // the path empty; saving then reports why.
    void SetStatePath(const ProgramText& texts);
    void SetPath(const std::string& path) { m_path = path; }
    const std::string& Path() const { return m_path; }

    // Writes the settings; a failure shows the "Save state" box and leaves the previous file.
    void SaveState(const GeneratorSettings& settings, MessageBoxes& messages) const;
    // Reads the file value by value, applying each at once through the controller (with its
    // change handler). False, without a message, when the file is missing or a value cannot be
    // taken; the values applied before that stay.
    bool RestoreState(SettingsController& controller) const;

private:
    std::string m_path;
    std::string m_pathError;
};

}  // namespace tagsmith
