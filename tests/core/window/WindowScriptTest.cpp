// Runs each script under tests/core/window/scripts: the window logic on a fake view, with the
// built program data and a state file in a private folder, driven and checked row by row. A new
// case is a script. In every field $DIR stands for the private folder, $BIN for the build's
// program folder and $CWD for the folder the test began in. What a row does:
//   document | NAME | BYTES     writes a document in $DIR      folder | NAME    makes a folder there
//   state | BYTES               writes the state file          state is a folder   (so no save works)
//   state line | N | TEXT       replaces line N of the state file
//   answer | Yes, No or Cancel  the answer of the next question   shell fails   (opening addresses)
//   start [| DOCUMENT]          a new run on the state file (starting with DOCUMENT), which starts
//   start without data          a run without program data, which must not start
//   finished scan               start, choose a new document and generate its tag
//   choose | PATH               the file dialog gives PATH for Input file
//   CONTROL [| VALUE]           the user picks item VALUE, sets VALUE 1 or 0, types VALUE into a
//                               box (if given) and leaves it, or clicks
//   f1 | CONTROL                F1 with the focus on CONTROL       signal   (the end by a signal)
//   set text | CONTROL | TEXT   shows TEXT as an earlier command would (set caption likewise)
//   at call | N | ROW...        runs the row at the scan's Nth call for pending events
// What a row checks:
//   text, caption | CONTROL | TEXT      checked, enabled, visible | CONTROL | 1 or 0 (checked: the
//   focus | CONTROL                     setting too)    shows item | LIST | ITEM
//   output was | TEXT (one of the texts the output box held)   boxes | N (message boxes so far)
//   box | N | ICON | BUTTONS | TITLE | PROMPT    the Nth message box of the script
//   settings | STATE    the settings held and shown, as the state file would write them
//   saved | BYTES       the state file             state folder is empty
//   stderr | TEXT       what signals wrote          ended | N (end calls)    ignored | TEXT
//   scan current | 1 or 0     events | N (calls for pending events since the last such row)
//   window | L T W H          rect | CONTROL | L T W H
//   help | N [| FILE]         N help windows opened, the last one showing FILE (under this folder)
//   opened | ADDRESS...       every address opened        dialog | FILTER | FOLDER (the last asked)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>

#include "core/window/MainWindowLogic.h"
#include "core/window/SettingFields.h"
#include "core/window/StateFileFormat.h"
#include "fakes/CaseTable.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeFileDialog.h"
#include "fakes/FakeMainWindowView.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakePendingEvents.h"
#include "fakes/FakeShell.h"
#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;
using Row = std::vector<std::string>;

fs::path Here() {
    return SourceFolder() / "tests" / "core" / "window";
}

std::string Joined(const std::vector<std::string>& words) {
    std::string joined;
    for (const std::string& word : words) joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

std::string RectText(const TwipRect& rect) {
    return Joined({std::to_string(rect.left), std::to_string(rect.top), std::to_string(rect.width),
                   std::to_string(rect.height)});
}

constexpr const char* kIcons[] = {"None", "Information", "Exclamation", "Critical"};
constexpr const char* kButtons[] = {"Ok", "YesNo", "YesNoCancel"};
constexpr const char* kAnswers[] = {"Ok", "Yes", "No", "Cancel"};

class WindowScriptTest : public testing::TestWithParam<std::string> {
protected:
    WindowScriptTest() : m_workingFolder(fs::current_path()) {
        events.onCall = [this](int call) {
            const auto [first, last] = m_atCall.equal_range(call);
            const std::vector<std::pair<const int, Row>> due(first, last);
            m_atCall.erase(first, last);
            for (const auto& [_, row] : due) Run(row);
        };
    }
    // Start-up may move the working folder to a saved document's folder.
    ~WindowScriptTest() override { fs::current_path(m_workingFolder); }

    std::string StatePath() const { return (m_folder.Path() / "tagsmith.usr").string(); }
    std::string Substituted(std::string text) const {
        for (const auto& [name, value] :
             {std::pair{"$DIR", m_folder.Path().string()},
              {"$BIN", BinaryFolder().string()},
              {"$CWD", m_workingFolder.string()}}) {
            for (std::size_t at; (at = text.find(name)) != std::string::npos;)
                text.replace(at, std::string_view(name).size(), value);
        }
        return text;
    }
    // A new run of the program on the same state file.
    bool Start(const fs::path& dataFolder, const std::string& document) {
        m_logic.reset();
        view = FakeMainWindowView{};
        m_logic = std::make_unique<MainWindowLogic>(
            view, MainWindowServices{messages, fileDialog, clipboard, shell, events}, dataFolder);
        m_logic->SetStatePath(StatePath());
        if (!document.empty()) m_logic->SetStartFile(document);
        return m_logic->Start();
    }
    void Act(Control control, const std::string* value) {
        const std::string_view name = ControlName(control);
        if (name.starts_with("cbo")) {
            m_logic->OnListChanged(control, std::atoi(value->c_str()));
        } else if (name.starts_with("chk") || name.starts_with("opt")) {
            m_logic->OnCheckChanged(control, *value == "1");
        } else if (name.starts_with("txb")) {
            if (value != nullptr) {
                view.texts[control] = *value;
                m_logic->OnTextEdited(control, *value);
            }
            m_logic->OnLostFocus(control);
        } else {
            m_logic->OnClick(control);
        }
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
    void Run(const Row& row);

    FakeMainWindowView view;
    FakeMessageBoxes messages;
    FakeFileDialog fileDialog;
    FakeClipboard clipboard;
    FakeShell shell;
    FakePendingEvents events;

private:
    fs::path m_workingFolder;
    TemporaryFolder m_folder;
    std::unique_ptr<MainWindowLogic> m_logic;
    std::multimap<int, Row> m_atCall;
    std::ostringstream m_err;
};

void WindowScriptTest::Run(const Row& row) {
    const std::string& step = row[0];
    const auto at = [&row](std::size_t k) -> const std::string& { return row.at(k); };
    const Control control = row.size() > 1 ? ControlByName(at(1)) : Control::None;
    const bool yes = row.back() == "1";
    if (step == "document") {
        m_folder.WriteFile(at(1), at(2));
    } else if (step == "folder") {
        fs::create_directory(m_folder.Path() / at(1));
    } else if (step == "state") {
        m_folder.WriteFile("tagsmith.usr", at(1));
    } else if (step == "state line") {
        std::vector<std::string> lines = SplitStateFileLines(ReadFileBytes(StatePath()));
        lines.at(std::stoul(at(1)) - 1) = at(2);
        std::string joined;
        for (const std::string& line : lines) joined += line + "\n";
        m_folder.WriteFile("tagsmith.usr", joined);
    } else if (step == "state is a folder") {
        fs::remove_all(StatePath());
        fs::create_directory(StatePath());
    } else if (step == "answer") {
        messages.nextAnswers.push_back(static_cast<MessageResult>(
            std::find(std::begin(kAnswers), std::end(kAnswers), at(1)) - std::begin(kAnswers)));
    } else if (step == "shell fails") {
        shell.succeed = false;
    } else if (step == "start") {
        ASSERT_TRUE(Start(BinaryFolder(), row.size() > 1 ? at(1) : ""));
    } else if (step == "start without data") {
        fs::create_directory(m_folder.Path() / "empty");
        ASSERT_FALSE(Start(m_folder.Path() / "empty", ""));
    } else if (step == "finished scan") {
        for (const Row& part :
             {Row{"start"}, Row{"document", "fruit.htm", "<title>Apples and pears</title><p>Apples <b>grow</b>.</p>"},
              Row{"choose", Substituted("$DIR/fruit.htm")}, Row{"cmdGenerateKeywordMetaTag"},
              Row{"scan current", "1"}}) {
            Run(part);
        }
    } else if (step == "include") {
        for (const Row& included : ReadCaseTable("core/window/" + at(1))) Run(included);
    } else if (step == "choose") {
        fileDialog.nextNames.push_back(at(1));
        m_logic->OnClick(Control::cmdInputFile);
    } else if (ControlByName(step) != Control::None) {
        Act(ControlByName(step), row.size() > 1 ? &at(1) : nullptr);
    } else if (step == "f1") {
        m_logic->OnKeyF1(control);
    } else if (step == "signal") {
        m_logic->Terminate(m_err);
    } else if (step == "set text") {
        view.SetText(control, at(2));
    } else if (step == "set caption") {
        view.SetCaption(control, at(2));
    } else if (step == "at call") {
        m_atCall.emplace(std::stoi(at(1)), Row(row.begin() + 2, row.end()));
    } else if (step == "text") {
        EXPECT_EQ(view.Text(control), at(2));
    } else if (step == "caption") {
        EXPECT_EQ(view.Caption(control), at(2));
    } else if (step == "checked") {
        EXPECT_EQ(view.IsChecked(control), yes);
        if (const bool* field = CheckField(m_logic->Settings(), control)) {
            EXPECT_EQ(*field, yes);
        }
    } else if (step == "enabled") {
        EXPECT_EQ(view.IsEnabled(control), yes);
    } else if (step == "visible") {
        EXPECT_EQ(view.IsVisible(control), yes);
    } else if (step == "focus") {
        EXPECT_EQ(ControlName(view.focus), at(1));
    } else if (step == "shows item") {
        EXPECT_EQ(view.listItems[control].at(static_cast<std::size_t>(view.ListIndex(control))),
                  at(2));
    } else if (step == "output was") {
        EXPECT_NE(std::ranges::find(view.outputHistory, at(1)), view.outputHistory.end());
    } else if (step == "boxes") {
        EXPECT_EQ(messages.shown.size(), std::stoul(at(1)));
    } else if (step == "box") {
        ASSERT_GE(messages.shown.size(), std::stoul(at(1)));
        const FakeMessageBoxes::Box& box = messages.shown[std::stoul(at(1)) - 1];
        EXPECT_EQ(kIcons[static_cast<int>(box.icon)], at(2));
        EXPECT_EQ(kButtons[static_cast<int>(box.buttons)], at(3));
        EXPECT_EQ(box.title, at(4));
        EXPECT_EQ(box.prompt, at(5));
    } else if (step == "settings") {
        EXPECT_EQ(FormatStateFile(m_logic->Settings()), at(1));
        EXPECT_EQ(FormatStateFile(Shown()), at(1));
    } else if (step == "setting") {
        EXPECT_EQ(SplitStateFileLines(FormatStateFile(m_logic->Settings())).at(std::stoul(at(1)) - 1),
                  at(2));
    } else if (step == "saved") {
        EXPECT_EQ(ReadFileBytes(StatePath()), at(1));
    } else if (step == "state folder is empty") {
        EXPECT_TRUE(fs::is_directory(StatePath()) && fs::is_empty(StatePath()));
    } else if (step == "stderr") {
        EXPECT_EQ(m_err.str(), at(1));
    } else if (step == "no state file") {
        EXPECT_FALSE(fs::exists(StatePath()));
    } else if (step == "window shown") {
        EXPECT_EQ(view.windowVisible, yes);
    } else if (step == "caret at end") {
        EXPECT_EQ(view.caretAtEnd[control], yes);
    } else if (step == "ended") {
        EXPECT_EQ(view.endCalls, std::stoi(at(1)));
    } else if (step == "ignored") {
        EXPECT_EQ(m_logic->Ignored().Text(), at(1));
    } else if (step == "scan current") {
        EXPECT_EQ(m_logic->Session().ScanIsCurrent, yes);
    } else if (step == "events") {
        EXPECT_EQ(events.calls, std::stoi(at(1)));
        events.calls = 0;
    } else if (step == "window") {
        EXPECT_EQ(RectText(view.window), at(1));
    } else if (step == "rect") {
        EXPECT_EQ(RectText(view.rects[control]), at(2));
    } else if (step == "help") {
        ASSERT_EQ(view.helpTexts.size(), std::stoul(at(1)));
        if (row.size() > 2) {
            EXPECT_EQ(view.helpTexts.back(), Substituted(ReadFileBytes(Here() / at(2))));
        }
    } else if (step == "opened") {
        EXPECT_EQ(Joined(shell.opened), at(1));
    } else if (step == "dialog") {
        EXPECT_EQ(fileDialog.filter, at(1));
        EXPECT_EQ(fileDialog.folder, at(2));
    } else {
        FAIL() << "no such row: " << step;
    }
}

TEST_P(WindowScriptTest, EveryRowDoesOrHoldsWhatItSays) {
    int number = 0;
    for (Row row : ReadCaseTable("core/window/scripts/" + GetParam())) {
        for (std::string& field : row) field = Substituted(field);
        SCOPED_TRACE(testing::Message() << GetParam() << " row " << ++number << ": " << Joined(row));
        Run(row);
        if (HasFatalFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, WindowScriptTest,
                         testing::ValuesIn(SortedNames(Here() / "scripts")),
                         [](const auto& info) {
                             std::string name = info.param.substr(0, info.param.rfind('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace tagsmith::test
