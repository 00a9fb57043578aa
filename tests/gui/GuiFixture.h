#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>

#include "core/window/MainWindowLogic.h"
#include "fakes/FakeFileDialog.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeShell.h"
#include "fakes/TestSupport.h"
#include "gui/MainWindow.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtPendingEvents.h"
#include "platform/qt/QtText.h"

namespace tagsmith::test {

// One run of the program: the real window (its captions in sansFamily), its pending events
// (run at most every eventIntervalMs) and its logic, with fakes for the modal dialogs and the
// shell so that no test waits on a real modal box.
struct GuiRun {
    GuiRun(FakeMessageBoxes& messages, FakeFileDialog& dialog, Clipboard& clipboard,
           FakeShell& shell, const std::string& statePath, const QString& sansFamily,
           qint64 eventIntervalMs)
        : window(sansFamily),
          events([this] { window.FlushOutput(); }, eventIntervalMs),
          logic(window, {messages, dialog, clipboard, shell, events}, BinaryFolder()) {
        logic.SetStatePath(statePath);
        window.AttachEvents(logic);
        window.SetEndHandler([this] { ++ends; });
    }

    MainWindow window;
    QtPendingEvents events;
    MainWindowLogic logic;
    int ends = 0;
};

class GuiFixture : public ::testing::Test {
protected:
    GuiFixture() : m_workingFolder(std::filesystem::current_path()) {}
    ~GuiFixture() override {
        m_run.reset();
        std::filesystem::current_path(m_workingFolder);
    }

    // Starts a new run on the same state file and waits until its window is active.
    GuiRun& Start() {
        m_run.reset();
        m_run = std::make_unique<GuiRun>(messages, dialog, clipboard, shell,
                                         (m_folder.Path() / "tagsmith.usr").string(), sansFamily,
                                         eventIntervalMs);
        EXPECT_TRUE(m_run->logic.Start());
        messages.shown.clear();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_run->window));
        m_run->window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_run->window));
        return *m_run;
    }
    MainWindow& Window() { return m_run->window; }

    template <class W = QWidget>
    W* Find(const char* name) {
        W* widget = Window().findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Click(const char* name) { QTest::mouseClick(Find(name), Qt::LeftButton); }
    std::string OutputText() { return Window().Text(Control::txbMetaTag); }

    // The folder of the run's saved state and documents.
    const std::filesystem::path& Folder() const { return m_folder.Path(); }
    std::string Document(const std::string& name, const std::string& content) const {
        return m_folder.WriteFile(name, content).string();
    }
    void Choose(const std::string& path) {
        dialog.nextNames.push_back(path);
        Click("cmdInputFile");
    }

    // The captions' typeface (text is measured): as wide as the layout's design, and installed
    // with the programs.
    QString sansFamily = QStringLiteral("Liberation Sans");
    qint64 eventIntervalMs = QtPendingEvents::kIntervalMs;
    FakeMessageBoxes messages;
    FakeFileDialog dialog;
    QtClipboard clipboard;
    FakeShell shell;

private:
    std::filesystem::path m_workingFolder;
    TemporaryFolder m_folder;
    std::unique_ptr<GuiRun> m_run;
};

}  // namespace tagsmith::test
