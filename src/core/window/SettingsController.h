#pragma once

#include <string>

#include "core/engine/IgnoreList.h"
#include "core/model/GeneratorSettings.h"
#include "core/window/Control.h"
#include "core/window/LimitBoxes.h"
#include "core/window/MainWindowView.h"
#include "core/window/SettingsHost.h"
#include "platform/MessageBoxes.h"

namespace tagsmith {

// The settings of the main window: keeps GeneratorSettings and the controls that show them in
// step, and runs each control's change handler whenever its value changes, whether the user or
// the program changes it. Putting a text into a text box runs no handler.
class SettingsController {
public:
    SettingsController(GeneratorSettings& settings, IgnoreList& ignoreList, MainWindowView& view,
                       MessageBoxes& messages, SettingsHost& host);

    // Fills the eleven lists and selects English (its change handler runs).
    void FillSettingLists();
    // Puts the defaults into the controls; keepTexts keeps the input file, the words to ignore
    // and the begin phrases. The language and "Large window" are left as they are.
    void RestoreDefaults(bool keepTexts);

    // Changes of a control's value; each runs the control's change handler when the value
    // changes. Check boxes here are those of the settings (not "Large window").
    void SetList(Control list, int index);
    void SetCheck(Control checkBox, bool checked);
    void SelectOption(Control option);
    // Puts a text into a text box (the view too); runs no handler.
    void SetText(Control box, const std::string& text);
    // The user typed into a text box: the settings follow at once.
    void TextEdited(Control box, const std::string& text);

    // Leave handling of the text boxes that have one.
    void LeaveWordsToIgnore();
    void LeaveMaxKeywords();
    void LeaveMaxBytes();

    // Adapts the backup options to the input path: a ".php" document is always backed up.
    void ShowBackupOptions();
    // The message about the language's missing common words, and "Ignore common words" off.
    void ReportCommonWordsMissing(int language);

    bool GermanSelected() const { return m_germanSelected; }
    void UpdateGermanSelected();

private:
    void ListChanged(Control list);
    void CheckChanged(Control checkBox);
    void LanguageChanged();
    void IgnoreCommonWordsChanged();
    void PreserveCaseChanged();
    void ApplyLimitCheck(Control box, const LimitBoxCheck& check);

    GeneratorSettings& m_settings;
    IgnoreList& m_ignoreList;
    MainWindowView& m_view;
    MessageBoxes& m_messages;
    SettingsHost& m_host;
    bool m_germanSelected = false;
    bool m_switchingOffCommonWords = false;
};

}  // namespace tagsmith
