#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/settings/MainWindowLogic.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeFileDialog.h"
#include "fakes/FakeMainWindowView.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakePendingEvents.h"
#include "fakes/FakeShell.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {

// The window logic on a fake view, with its program data in a private folder (a copy of the
// built data, so tests may remove a common-word file) and its state file beside it.
class LogicFixture : public ::testing::Test {
protected:
    LogicFixture() : m_workingFolder(std::filesystem::current_path()) {
        std::filesystem::create_directory(DataFolder());
        for (const auto& entry : std::filesystem::directory_iterator(BinaryFolder())) {
            const std::string name = entry.path().filename().string();
            if (name == "zpm.dat" || name.starts_with("cmwds_")) {
                std::filesystem::copy_file(entry.path(), DataFolder() / name);
            }
        }
    }

    // Start-up may move the working folder to a saved document's folder (a temporary one here).
    ~LogicFixture() override { std::filesystem::current_path(m_workingFolder); }

    std::filesystem::path DataFolder() const { return m_folder.Path() / "data"; }
    std::string StatePath() const { return (m_folder.Path() / "tagsmith.usr").string(); }
    const TemporaryFolder& Folder() const { return m_folder; }

    // A new logic (a new run of the program) on the same data and state file.
    MainWindowLogic& NewLogic() {
        m_logic.reset();
        view = FakeMainWindowView{};
        m_logic = std::make_unique<MainWindowLogic>(
            view, MainWindowServices{messages, fileDialog, clipboard, shell, events}, DataFolder());
        m_logic->SetStatePath(StatePath());
        return *m_logic;
    }
    // Starts a new run and checks that it started.
    MainWindowLogic& Started() {
        MainWindowLogic& logic = NewLogic();
        EXPECT_TRUE(logic.Start());
        messages.shown.clear();
        return logic;
    }
    MainWindowLogic& Logic() { return *m_logic; }

    // Writes a document into the private folder and returns its path.
    std::string Document(const std::string& name, const std::string& content) const {
        return m_folder.WriteFile(name, content).string();
    }
    // Chooses the document through "Input file".
    void Choose(const std::string& path) {
        fileDialog.nextNames.push_back(path);
        Logic().OnClick(Control::cmdInputFile);
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
