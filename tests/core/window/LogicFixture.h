#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "core/window/MainWindowLogic.h"
#include "core/window/SettingFields.h"
#include "core/window/StateFileFormat.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeFileDialog.h"
#include "fakes/FakeMainWindowView.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakePendingEvents.h"
#include "fakes/FakeShell.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {

// The window logic on a fake view with the built program data, and its state file in a private
// folder.
class LogicFixture : public ::testing::Test {
protected:
    LogicFixture() : m_workingFolder(std::filesystem::current_path()) {}
    // Start-up may move the working folder to a saved document's folder.
    ~LogicFixture() override { std::filesystem::current_path(m_workingFolder); }

    std::string StatePath() const { return (m_folder.Path() / "tagsmith.usr").string(); }
    void WriteState(const std::string& content) const {
        m_folder.WriteFile("tagsmith.usr", content);
    }

    // A new run of the program on the same state file.
    MainWindowLogic& NewLogic(const std::filesystem::path& dataFolder = BinaryFolder()) {
        m_logic.reset();
        view = FakeMainWindowView{};
        m_logic = std::make_unique<MainWindowLogic>(
            view, MainWindowServices{messages, fileDialog, clipboard, shell, events}, dataFolder);
        m_logic->SetStatePath(StatePath());
        return *m_logic;
    }
    MainWindowLogic& Started() {
        EXPECT_TRUE(NewLogic().Start());
        messages.shown.clear();
        return *m_logic;
    }
    MainWindowLogic& Logic() { return *m_logic; }

    std::string Document(const std::string& name, const std::string& content) const {
        return m_folder.WriteFile(name, content).string();
    }
    void Choose(const std::string& path) {
        fileDialog.nextNames.push_back(path);
        Logic().OnClick(Control::cmdInputFile);
    }
    // What the user does to a control: picks list item `value`, sets a check box or option to
    // "1" or "0", types `value` into a box (if given) and leaves it, or clicks.
    void Act(Control control, const char* value = nullptr) {
        const std::string_view name = ControlName(control);
        if (name.starts_with("cbo")) {
            Logic().OnListChanged(control, std::atoi(value));
        } else if (name.starts_with("chk") || name.starts_with("opt")) {
            Logic().OnCheckChanged(control, std::string_view(value) == "1");
        } else if (name.starts_with("txb")) {
            if (value != nullptr) {
                view.texts[control] = value;
                Logic().OnTextEdited(control, value);
            }
            Logic().OnLostFocus(control);
        } else {
            Logic().OnClick(control);
        }
    }
    // Moves every saved setting and "Large window" off its default (German in lower case
    // confirmed).
    static constexpr std::pair<Control, const char*> kEveryChange[] = {
        {Control::txbBeginMetaTagWith, "red \"crisp\" apples"},
        {Control::txbWordsToIgnore, "Foo  BAR"},
        {Control::txbMaxNumKeywordsInMetaTag, "70"},
        {Control::txbMaxNumBytesInMetaTag, "0"},
        {Control::cboShortWordSize, "3"},
        {Control::cboThresholdFrequency, "0"},
        {Control::cboTableWeight, "9"},
        {Control::cboExistingKeywordsWeight, "7"},
        {Control::cboBoldWeight, "6"},
        {Control::cboTitleWeight, "2"},
        {Control::cboDescriptionWeight, "3"},
        {Control::cboItalicWeight, "8"},
        {Control::cboDivWeight, "0"},
        {Control::cboSpanWeight, "5"},
        {Control::cboLanguage, "2"},
        {Control::chkIgnoreShortWords, "0"},
        {Control::chkIgnoreCommonWords, "0"},
        {Control::chkPreserveCase, "0"},
        {Control::chkSpaceAfterComma, "0"},
        {Control::optInsertionWithBackup, "1"},
        {Control::chkLargeWindow, "1"}};
    void ChangeEverySetting() {
        messages.nextAnswers = {MessageResult::Yes};
        for (const auto& [control, value] : kEveryChange) Act(control, value);
    }
    // The saved settings as the view shows them.
    GeneratorSettings Shown() const {
        GeneratorSettings shown;
        for (const StateLine& line : kStateLines) {
            if (int* list = ListField(shown, line.control)) *list = view.ListIndex(line.control);
            if (bool* box = CheckField(shown, line.control)) *box = view.IsChecked(line.control);
            if (std::string* text = TextField(shown, line.control)) *text = view.Text(line.control);
        }
        shown.optInsertionWithBackup = view.IsChecked(Control::optInsertionWithBackup);
        return shown;
    }
    std::string Output() const { return view.Text(Control::txbMetaTag); }

    FakeMainWindowView view;
    FakeMessageBoxes messages;
    FakeFileDialog fileDialog;
    FakeClipboard clipboard;
    FakeShell shell;
    FakePendingEvents events;

private:
    std::filesystem::path m_workingFolder;
    TemporaryFolder m_folder;
    std::unique_ptr<MainWindowLogic> m_logic;
};

}  // namespace tagsmith::test
