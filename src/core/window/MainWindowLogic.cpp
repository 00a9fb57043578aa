#include "core/window/MainWindowLogic.h"

#include <array>
#include <utility>

#include "core/pipeline/InputValidation.h"
#include "core/window/SettingFields.h"
#include "core/window/WebLinks.h"

namespace tagsmith {

namespace {

// The commands that must not run during a scan, in the order they are switched.
constexpr std::array kScanLockedControls = {Control::cmdInputFile,
                                            Control::cmdShowExistingKeywordMetaTag,
                                            Control::cmdGenerateKeywordMetaTag,
                                            Control::cmdClearInputFile,
                                            Control::cmdReset,
                                            Control::cmdClearBeginMetaTagWith,
                                            Control::cmdClearWordsToIgnore,
                                            Control::cmdHelp,
                                            Control::cmdClearOutput,
                                            Control::cmdCopyToClipboard,
                                            Control::cmdInsert,
                                            Control::txbMaxNumKeywordsInMetaTag,
                                            Control::txbMaxNumBytesInMetaTag};

// The buttons on which F1 opens the help window.
constexpr std::array kHelpKeyControls = {Control::cmdListWords, Control::cmdHelp,
                                         Control::cmdGenerateKeywordMetaTag, Control::cmdInputFile,
                                         Control::cmdShowExistingKeywordMetaTag};

constexpr const char* kNoticeCaption = "Tagsmith 1.0 by";

template <std::size_t N>
bool Contains(const std::array<Control, N>& controls, Control control) {
    for (const Control c : controls) {
        if (c == control) return true;
    }
    return false;
}

}  // namespace

MainWindowLogic::MainWindowLogic(MainWindowView& view, const MainWindowServices& services,
                                 std::filesystem::path dataFolder)
    : m_view(view),
      m_services(services),
      m_dataFolder(std::move(dataFolder)),
      m_output(view),
      m_events(services.events, m_stopRequested),
      m_controller(m_settings, m_ignoreList, view, services.messages, *this) {}

void MainWindowLogic::SetStartFile(const std::string& path) {
    m_startFile = path;
}

void MainWindowLogic::SetStatePath(const std::string& path) {
    m_stateFile.SetPath(path);
    m_statePathGiven = true;
}

bool MainWindowLogic::Start() {
    m_startupComplete = false;
    std::string failure;
    if (!LoadProgramText(m_texts, m_dataFolder, failure)) {
        m_services.messages.Show(failure, "", MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }
    m_texts.SetUILanguage(ProgramText::kEnglish);

    m_session.ScanIsCurrent = false;
    if (!m_statePathGiven) m_stateFile.SetStatePath(m_texts);
    SetProgramTexts();
    m_output.SetText("");
    m_view.SetCaption(Control::lblNumberOfWords, "");

    m_controller.FillSettingLists();
    m_controller.RestoreDefaults(false);
    if (!m_stateFile.RestoreState(m_controller)) m_controller.RestoreDefaults(false);
    m_controller.UpdateGermanSelected();
    // A document named on the command line replaces the saved one.
    if (m_startFile) m_controller.SetText(Control::txbInputFile, *m_startFile);

    m_view.SetCaption(Control::cmdInsert, "Insert meta tag into file");
    m_view.SetVisible(Control::optInsertionWithBackup, true);
    m_view.SetVisible(Control::optInsertionWithoutBackup, true);
    m_controller.ShowBackupOptions();
    m_controller.SetText(Control::txbMaxNumKeywordsInMetaTag, std::to_string(kDefaultMaxKeywords));

    m_view.ShowWindow();
    // After showing: the window settles its size (to its font) when it is first shown.
    m_initialHeight = m_view.WindowRect().height;
    // A saved document that is no longer acceptable is dropped silently; one named on the
    // command line is kept and checked once the window is up.
    if (!m_startFile) ValidateInputFile(m_settings.txbInputFile, Environment());
    m_view.SetText(Control::txbInputFile, m_settings.txbInputFile);

    EnableCommands(false);
    m_view.SetEnabled(Control::cmdListWords, false);
    m_output.SetText(kReadingCommonWords);
    m_view.Repaint();
    LoadCommonWords();
    m_output.SetText("");
    EnableCommands(true);
    m_view.SetEnabled(Control::cmdListWords, true);
    m_view.Repaint();

    PlaceFocus();
    m_startupComplete = true;
    // The user asked for this document: a refusal is explained with the box Generate shows.
    if (m_startFile) ValidateInputFile(m_settings.txbInputFile, Environment());
    return true;
}

void MainWindowLogic::SetProgramTexts() {
    const std::string maker = MakerAddress(m_texts);
    const std::string manual = ManualAddress(m_texts, m_dataFolder);
    m_view.SetCaption(Control::lblNotice, kNoticeCaption);
    m_view.SetCaption(Control::lblQN_URL, ShortAddress(maker));
    m_view.SetToolTip(Control::lblQuorlanSystems, "Opens the Quorlan Systems home page: " + maker);
    m_view.SetToolTip(Control::lblOnlineDocumentation,
                      "Opens the illustrated user manual of Tagsmith: " + manual);
}

void MainWindowLogic::LoadCommonWords() {
    m_commonWords.LoadAllCommonWords(m_dataFolder);
    m_commonWordsRead = true;
    const int language = m_settings.cboLanguage;
    if (m_settings.chkIgnoreCommonWords && CommonWordsMissing(language)) {
        m_controller.ReportCommonWordsMissing(language);
    }
}

ScanEnvironment MainWindowLogic::Environment() {
    return ScanEnvironment{m_settings,          m_commonWords, m_ignoreList, m_texts,
                           m_services.messages, m_output,      *this,        m_events,
                           m_startupComplete};
}

bool MainWindowLogic::CommonWordsMissing(int language) const {
    // Under "Automatic" each document picks its own list; a language without one keeps all words.
    return m_commonWordsRead && language != kAutomaticLanguagePosition &&
           !m_commonWords.IsLoaded(language);
}

void MainWindowLogic::ShowCommonWordsMissing(int language) {
    m_services.messages.Show(CommonWordsMissingMessage(language, m_dataFolder),
                             kCommonWordsMissingTitle, MessageIcon::Exclamation,
                             MessageButtons::Ok);
}

void MainWindowLogic::SetWordCountLabel(const std::string& text) {
    m_view.SetCaption(Control::lblNumberOfWords, text);
}

void MainWindowLogic::SetListWordsCaption(const std::string& caption) {
    m_listWordsCaption = caption;
    m_view.SetCaption(Control::cmdListWords, caption);
}

void MainWindowLogic::EnableCommands(bool enabled) {
    m_commandsEnabled = enabled;
    for (const Control control : kScanLockedControls) m_view.SetEnabled(control, enabled);
}

void MainWindowLogic::PlaceFocus() {
    if (!m_view.IsWindowVisible()) return;
    if (!m_settings.txbInputFile.empty()) {
        m_view.SetFocus(m_commandsEnabled ? Control::cmdGenerateKeywordMetaTag
                                          : Control::cmdListWords);
    } else if (m_commandsEnabled) {
        m_view.SetFocus(Control::cmdInputFile);
    }
    // During a scan "Input file" is disabled and cannot take the focus: it stays where it is.
}

void MainWindowLogic::OnClick(Control control) {
    if (m_ending) return;
    switch (control) {
        case Control::cmdListWords:
            ListWordsClicked();
            break;
        case Control::cmdGenerateKeywordMetaTag:
            RunScan(true);
            break;
        case Control::cmdInputFile:
            ChooseInputFile();
            break;
        case Control::cmdShowExistingKeywordMetaTag:
            ShowExisting();
            break;
        case Control::cmdInsert:
            Insert();
            break;
        case Control::cmdCopyToClipboard:
            CopyToClipboard();
            break;
        case Control::cmdClearOutput:
            ClearOutput();
            break;
        case Control::cmdClearInputFile:
            m_controller.SetText(Control::txbInputFile, "");
            m_view.SetFocus(Control::cmdInputFile);
            m_controller.ShowBackupOptions();
            break;
        case Control::cmdClearWordsToIgnore:
            m_controller.SetText(Control::txbWordsToIgnore, "");
            PlaceFocus();
            break;
        case Control::cmdClearBeginMetaTagWith:
            m_controller.SetText(Control::txbBeginMetaTagWith, "");
            PlaceFocus();
            break;
        case Control::cmdReset:
            m_controller.RestoreDefaults(true);
            PlaceFocus();
            break;
        case Control::cmdHelp:
            ShowHelp();
            break;
        case Control::cmdQuit:
            End();
            break;
        case Control::lblQuorlanSystems:
            OpenDocument(MakerAddress(m_texts), m_services.shell, m_services.messages);
            break;
        case Control::lblOnlineDocumentation:
            OpenDocument(ManualAddress(m_texts, m_dataFolder), m_services.shell,
                         m_services.messages);
            break;
        default:
            break;
    }
}

void MainWindowLogic::OnListChanged(Control list, int index) {
    if (m_ending) return;
    m_controller.SetList(list, index);
}

void MainWindowLogic::OnCheckChanged(Control control, bool checked) {
    if (m_ending) return;
    if (control == Control::chkLargeWindow) {
        if (m_settings.chkLargeWindow != checked) LargeWindowChanged(checked);
    } else if (control == Control::optInsertionWithBackup ||
               control == Control::optInsertionWithoutBackup) {
        if (checked) m_controller.SelectOption(control);
    } else {
        m_controller.SetCheck(control, checked);
    }
}

void MainWindowLogic::OnTextEdited(Control box, const std::string& text) {
    m_controller.TextEdited(box, text);
}

void MainWindowLogic::OnLostFocus(Control box) {
    if (m_ending) return;
    switch (box) {
        case Control::txbInputFile:
            LeaveInputFile();
            break;
        case Control::txbWordsToIgnore:
            m_controller.LeaveWordsToIgnore();
            break;
        case Control::txbMaxNumKeywordsInMetaTag:
            m_controller.LeaveMaxKeywords();
            break;
        case Control::txbMaxNumBytesInMetaTag:
            m_controller.LeaveMaxBytes();
            break;
        default:
            break;
    }
}

void MainWindowLogic::OnKeyF1(Control focused) {
    if (!m_ending && Contains(kHelpKeyControls, focused)) ShowHelp();
}

void MainWindowLogic::OnClose() {
    End();
}

}  // namespace tagsmith
