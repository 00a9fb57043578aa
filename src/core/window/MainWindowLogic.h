#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "core/engine/CommonWordLists.h"
#include "core/engine/IgnoreList.h"
#include "core/pipeline/ScanPipeline.h"
#include "core/scanner/ScanView.h"
#include "core/model/GeneratorSettings.h"
#include "core/window/MainWindowEvents.h"
#include "core/window/MainWindowServices.h"
#include "core/window/MainWindowView.h"
#include "core/window/SettingsController.h"
#include "core/window/SettingsHost.h"
#include "core/window/StateFile.h"
#include "core/window/StopAwarePendingEvents.h"
#include "core/window/ViewOutputBox.h"
#include "core/text/FileSystemCalls.h"
#include "core/text/ProgramText.h"

namespace tagsmith {

inline constexpr const char* kInputFileDialogTitle = "Specify input file";
// One filter entry: the label shown, then the patterns in parentheses.
inline constexpr const char* kInputFileFilter =
    "HTML & PHP files (*.htm, *.html, *.shtml, *.php) (*.htm *.html *.shtml *.php)";
inline constexpr const char* kReadingCommonWords = "Reading common words ...";
inline constexpr const char* kListWordsCaption = "List words";
inline constexpr const char* kStopCaption = "Stop";

// The behaviour of the main window: start-up, the commands, enabling and focus, and the end of
// the program. It owns the settings, the scan session, the common words, the words to ignore and
// the program texts, and lends them to the core for each command. The view shows; the logic
// decides.
class MainWindowLogic : public MainWindowEvents, public ScanView, private SettingsHost {
public:
    MainWindowLogic(MainWindowView& view, const MainWindowServices& services,
                    std::filesystem::path dataFolder);
    MainWindowLogic(const MainWindowLogic&) = delete;
    MainWindowLogic& operator=(const MainWindowLogic&) = delete;

    // Starts the window step by step and shows it. False when the program texts could not be
    // loaded: the message has been shown and the program must end.
    bool Start();
    // Where the state is saved; set by Start (tests may set it before Start).
    void SetStatePath(const std::string& path);
    // The document to start with instead of the saved one (set before Start).
    void SetStartFile(const std::string& path);

    // MainWindowEvents.
    void OnClick(Control control) override;
    void OnListChanged(Control list, int index) override;
    void OnCheckChanged(Control control, bool checked) override;
    void OnTextEdited(Control box, const std::string& text) override;
    void OnLostFocus(Control box) override;
    void OnKeyF1(Control focused) override;
    void OnClose() override;
    // The end asked for by a signal or by the session's end: saves the state without any dialog
    // (a failure is written to err) and ends the program.
    void Terminate(std::ostream& err);

    // ScanView: what a scan does to the window.
    void SetWordCountLabel(const std::string& text) override;
    void SetListWordsCaption(const std::string& caption) override;
    void EnableCommands(bool enabled) override;
    // SettingsHost, and after each command: moves the focus to the next useful button.
    void PlaceFocus() override;

    const GeneratorSettings& Settings() const { return m_settings; }
    const ScanSession& Session() const { return m_session; }
    const IgnoreList& Ignored() const { return m_ignoreList; }
    const StateFile& State() const { return m_stateFile; }
    bool IsStartupComplete() const override { return m_startupComplete; }
    bool HasEnded() const { return m_ending; }
    int InitialHeight() const { return m_initialHeight; }

private:
    // SettingsHost.
    void InvalidateScan() override { m_session.ScanIsCurrent = false; }
    bool CommonWordsMissing(int language) const override;
    void ShowCommonWordsMissing(int language) override;

    ScanEnvironment Environment();
    void SetProgramTexts();
    void LoadCommonWords();
    void RunScan(bool generate);
    void ListWordsClicked();
    void ChooseInputFile();
    void LeaveInputFile();
    void ShowExisting();
    void Insert();
    void CopyToClipboard();
    void ClearOutput();
    void LargeWindowChanged(bool large);
    void ShowHelp();
    void End();
    // Shows the texts the core may have trimmed in the settings.
    void ShowTrimmedTexts();

    MainWindowView& m_view;
    MainWindowServices m_services;
    std::filesystem::path m_dataFolder;
    GeneratorSettings m_settings;
    ScanSession m_session;
    CommonWordLists m_commonWords;
    IgnoreList m_ignoreList;
    ProgramText m_texts;
    StateFile m_stateFile;
    FileSystemCalls m_files;
    std::optional<std::string> m_startFile;
    bool m_statePathGiven = false;
    bool m_startupComplete = false;
    bool m_commonWordsRead = false;
    bool m_commandsEnabled = true;
    bool m_stopRequested = false;
    bool m_ending = false;
    int m_initialHeight = 0;
    std::string m_listWordsCaption = kListWordsCaption;
    ViewOutputBox m_output;
    StopAwarePendingEvents m_events;
    SettingsController m_controller;
};

}  // namespace tagsmith
