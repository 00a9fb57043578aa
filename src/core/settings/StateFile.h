#pragma once

#include <string>

#include "core/settings/GeneratorSettings.h"
#include "core/settings/SettingsController.h"
#include "core/text/FileSystemCalls.h"
#include "core/text/ProgramText.h"
#include "platform/MessageBoxes.h"

namespace tagsmith {

inline constexpr const char* kSaveStateTitle = "Save state";
inline constexpr const char* kSaveStateError = "Error when attempting to save the state: ";

// The settings saved between runs: 21 values, one a line, in the user's configuration folder.
class StateFile {
public:
    // Works out the path (program text 2 in lower case + ".usr", in the folder named by program
    // text 310) and creates the folder when it is missing. A folder that cannot be made leaves
    // the path empty; saving then reports why.
    void SetStatePath(const ProgramText& texts);
    void SetPath(const std::string& path) { m_path = path; }
    const std::string& Path() const { return m_path; }

    // Writes the settings through SafeFileWriter (a new file is readable by its owner alone; an
    // existing one keeps its mode, and a link stays a link). Returns "" on success, else the
    // text of the "Save state" box; the previous file is then left whole.
    std::string Save(const GeneratorSettings& settings, FileSystemCalls& files) const;
    // Save, with a failure shown in the "Save state" box.
    void SaveState(const GeneratorSettings& settings, MessageBoxes& messages,
                   FileSystemCalls& files) const;
    // Reads the file value by value, applying each at once through the controller (with its
    // change handler). False, without a message, when the file is missing or a value cannot be
    // taken; the values applied before that stay.
    bool RestoreState(SettingsController& controller) const;

private:
    std::string m_path;
    std::string m_pathError;
};

}  // namespace tagsmith
