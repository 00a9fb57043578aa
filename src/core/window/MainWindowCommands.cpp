// The commands of the main window (the buttons' click handlers) of MainWindowLogic.
#include <filesystem>
#include <optional>
#include <ostream>
#include <system_error>

#include "core/editor/GetMetaTag.h"
#include "core/editor/InsertMetaTagIntoFile.h"
#include "core/editor/ShowExistingKeywordMetaTag.h"
#include "core/pipeline/InputValidation.h"
#include "core/text/StringOperations.h"
#include "core/window/ComposedTagText.h"
#include "core/window/HeadTagsText.h"
#include "core/window/HelpGuide.h"
#include "core/window/LargeWindowLayout.h"
#include "core/window/MainWindowLogic.h"
#include "core/window/WebLinks.h"
#include "core/window/WordListText.h"

namespace tagsmith {

namespace {

std::string CurrentFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}

}  // namespace

void MainWindowLogic::RunScan(bool generate) {
    m_stopRequested = false;
    if (ProcessInputFile(m_session, Environment())) {
        m_output.SetText(generate
                             ? ComposeKeywordsMetaTag(m_session.Table, m_settings, m_session.State.Encoding)
                             : ListWords(m_session.Table, m_session.State.TotalWords, m_settings));
        m_output.MoveCaretToStart();
        PlaceFocus();
    }
    ShowTrimmedTexts();
    m_view.Repaint();
}

void MainWindowLogic::ListWordsClicked() {
    if (m_listWordsCaption == kStopCaption) {
        m_stopRequested = true;
        m_session.State.StopRequested = true;
        return;
    }
    RunScan(false);
}

void MainWindowLogic::ChooseInputFile() {
    InvalidateScan();
    const std::optional<std::string> name = m_services.fileDialog.GetOpenFileName(
        kInputFileDialogTitle, kInputFileFilter, CurrentFolder());
    if (!name || name->empty()) return;
    m_controller.SetText(Control::txbInputFile, *name);
    m_output.SetText("");
    m_view.SetCaption(Control::lblNumberOfWords, "");
    ValidateInputFile(*name, Environment());
    m_controller.ShowBackupOptions();
    PlaceFocus();
}

void MainWindowLogic::LeaveInputFile() {
    m_controller.SetText(Control::txbInputFile, std::string(TrimSpaces(m_settings.txbInputFile)));
    if (!m_settings.txbInputFile.empty()) ValidateInputFile(m_settings.txbInputFile, Environment());
    InvalidateScan();
    PlaceFocus();
}

void MainWindowLogic::ShowExisting() {
    if (const std::optional<HeadTags> tags =
            ShowExistingHeadTags(m_settings.txbInputFile, m_services.messages)) {
        m_output.SetText(FormatHeadTags(*tags));
    }
    ShowTrimmedTexts();
}

void MainWindowLogic::Insert() {
    const InsertEnvironment environment{
        m_settings,          m_session, m_texts, m_output, FormatComposedMetaTag,
        m_services.messages, m_files};
    InsertMetaTagIntoFile(environment);
    ShowTrimmedTexts();
    PlaceFocus();
}

void MainWindowLogic::CopyToClipboard() {
    m_services.clipboard.SetText(GetMetaTag(m_output.Text()));
    PlaceFocus();
}

void MainWindowLogic::ClearOutput() {
    m_output.SetText("");
    m_view.SetCaption(Control::lblNumberOfWords, "");
    InvalidateScan();
    PlaceFocus();
}

void MainWindowLogic::LargeWindowChanged(bool large) {
    m_settings.chkLargeWindow = large;
    m_view.SetChecked(Control::chkLargeWindow, large);
    const LargeWindowLayout layout = LayOutLargeWindow(
        large, m_view.WindowRect(), m_initialHeight, m_view.ScreenHeight(),
        m_view.ControlRect(Control::txbMetaTag), m_view.ControlRect(Control::Frame1));
    m_view.SetWindowRect(layout.window);
    m_view.SetControlRect(Control::txbMetaTag, layout.outputBox);
    m_view.SetControlRect(Control::Frame1, layout.strip);
    PlaceFocus();
}

void MainWindowLogic::ShowHelp() {
    m_view.ShowHelp(HelpGuideText(ManualAddress(m_texts, m_dataFolder)));
}

void MainWindowLogic::End() {
    if (m_ending) return;
    m_ending = true;
    // A scan in progress ends at its next word; the state is saved now.
    m_stopRequested = true;
    m_session.State.StopRequested = true;
    m_stateFile.SaveState(m_settings, m_services.messages, m_files);
    m_view.EndProgram();
}

void MainWindowLogic::Terminate(std::ostream& err) {
    if (m_ending) return;
    m_ending = true;
    m_stopRequested = true;
    m_session.State.StopRequested = true;
    // Nobody may be there to answer a box: the reason goes to the error stream, and the program
    // ends whatever the outcome.
    const std::string failure = m_stateFile.Save(m_settings, m_files);
    if (!failure.empty()) err << "tagsmith: " << kSaveStateTitle << ": " << failure << std::endl;
    m_view.EndProgram();
}

void MainWindowLogic::ShowTrimmedTexts() {
    m_view.SetText(Control::txbInputFile, m_settings.txbInputFile);
    m_view.SetText(Control::txbBeginMetaTagWith, m_settings.txbBeginMetaTagWith);
}

}  // namespace tagsmith
