// Runs each script under tests/core/window/scripts and each table under tables/ row by row: the
// window logic on a fake view, with the built program data and a state file in a private folder,
// and the texts the window derives. A new case is a row or a file. In a field, $DIR stands for the
// private folder, $BIN for the build's program folder, $CWD for the test's first working folder,
// and @NAME for the bytes of file NAME beside this one. A row does something:
//   document | NAME | BYTES, folder | NAME (in $DIR)    state | BYTES    state line | N | LINE
//   include | NAME (its rows)    shell fails (to open pages)    signal (the end by one)
//   answer | Yes, No or Cancel (to the next question)    choose | PATH (in the file dialog)
//   start [| DOCUMENT] (a new run, which must start)    start without data (in "$DIR/empty")
//   CONTROL [| VALUE] (picks item VALUE, sets VALUE 1 or 0, types VALUE and leaves, or clicks)
//   f1 | CONTROL    set text, set caption | CONTROL | TEXT (as an earlier command would)
//   at call | N | ROW... (does or checks ROW at the scan's Nth call for pending events)
// or compares what it observes with its last fields (1 or 0 for yes or no):
//   text, caption, checked (the setting too), enabled, visible, caret at end, rect | CONTROL | ...
//   focus | CONTROL    shows item | LIST | ITEM    window | L T W H    window shown | 1 or 0
//   output was | TEXT (once)    boxes | N    box | N | ICON | BUTTONS | TITLE | PROMPT (the Nth)
//   settings | STATE (held and shown)    saved | BYTES, (none) or (an empty folder)
//   stderr | TEXT    ended | N    ignored | TEXT    scan current | 1 or 0    events | N (calls
//   since the last such row)    helps | N    help | TEXT    opened | ADDRESS...    dialog | FILTER
//   | FOLDER; and, of a text as each table says: keywords box, bytes box, head, no document,
//   encode, roundtrip, decode text, decode number, lines, defaults, no words, list words, list
//   ranked words, compose, composed tag, file address, short address, help placement, help guide
//   box, help close button
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>
#include <utility>

#include "core/window/ComposedTagText.h"
#include "core/window/HeadTagsText.h"
#include "core/window/HelpWindowLayout.h"
#include "core/window/LimitBoxes.h"
#include "core/window/MainWindowLogic.h"
#include "core/window/NoWordsReport.h"
#include "core/window/SettingFields.h"
#include "core/window/StateFileFormat.h"
#include "core/window/WebLinks.h"
#include "core/window/WordListText.h"
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

std::string Joined(const Row& words) {
    std::string joined;
    for (const std::string& word : words) joined += (&word == &words[0] ? "" : " ") + word;
    return joined;
}

// The lines, each ended by LF.
std::string Ended(const Row& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

std::string RectText(const TwipRect& rect) {
    return Joined({std::to_string(rect.left), std::to_string(rect.top), std::to_string(rect.width),
                   std::to_string(rect.height)});
}

TwipRect RectOf(const std::string& text) {
    TwipRect rect;
    std::istringstream(text) >> rect.left >> rect.top >> rect.width >> rect.height;
    return rect;
}

// A table of the occurrences "WORD:WEIGHT WORD:WEIGHT ...", counted in order, its values
// normalised.
WordTable TableOf(const std::string& occurrences) {
    WordTable table;
    std::istringstream words(occurrences);
    for (std::string word; words >> word;) {
        const float weight = std::stof(word.substr(word.rfind(':') + 1));
        word.resize(word.rfind(':'));
        table.AddOccurrence(word, weight, false);
    }
    table.NormaliseValues();
    return table;
}

// What the view shows, or both values when the logic holds another one.
std::string Agreed(const std::string& shown, const std::string& held) {
    return shown == held ? shown : "shown " + shown + " but held " + held;
}

constexpr const char* kFlags[] = {"0", "1"};  // no, yes
constexpr const char* kIcons[] = {"None", "Information", "Exclamation", "Critical"};
constexpr const char* kButtons[] = {"Ok", "YesNo", "YesNoCancel"};
constexpr const char* kAnswers[] = {"Ok", "Yes", "No", "Cancel"};

class WindowScriptTest : public testing::TestWithParam<std::string> {
protected:
    WindowScriptTest() : m_workingFolder(fs::current_path()) {
        m_events.onCall = [this](int call) {
            const auto [first, last] = m_atCall.equal_range(call);
            const std::vector<std::pair<const int, Row>> due(first, last);
            m_atCall.erase(first, last);
            for (const auto& [_, row] : due) Run(row);
        };
    }
    // Start-up may move the working folder to a saved document's folder.
    ~WindowScriptTest() override { fs::current_path(m_workingFolder); }

    Row Substituted(Row row) const {
        for (std::string& field : row) {
            if (field.starts_with('@')) field = ReadFileBytes(Here() / field.substr(1));
            for (const auto& [name, value] : {std::pair{"$DIR", m_folder.Path().string()},
                                              {"$BIN", BinaryFolder().string()},
                                              {"$CWD", m_workingFolder.string()}}) {
                for (std::size_t at; (at = field.find(name)) != std::string::npos;)
                    field.replace(at, std::string_view(name).size(), value);
            }
        }
        return row;
    }
    void Run(const Row& row) {
        if (Do(row)) return;
        const Row observed = Observed(row);
        ASSERT_GT(row.size(), observed.size());
        EXPECT_EQ(observed, Row(row.end() - static_cast<long>(observed.size()), row.end()));
    }

private:
    std::string StatePath() const { return (m_folder.Path() / "tagsmith.usr").string(); }
    void Act(Control control, const std::string* value) {
        const std::string_view name = ControlName(control);
        if (name.starts_with("cbo")) {
            m_logic->OnListChanged(control, std::atoi(value->c_str()));
        } else if (name.starts_with("chk") || name.starts_with("opt")) {
            m_logic->OnCheckChanged(control, *value == "1");
        } else if (name.starts_with("txb")) {
            if (value != nullptr) {
                m_view.texts[control] = *value;
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
            const Control c = line.control;
            if (int* list = ListField(shown, c)) *list = m_view.ListIndex(c);
            if (bool* box = CheckField(shown, c)) *box = m_view.IsChecked(c);
            if (std::string* text = TextField(shown, c)) *text = m_view.Text(c);
        }
        shown.optInsertionWithBackup = m_view.IsChecked(Control::optInsertionWithBackup);
        return shown;
    }
    bool Do(const Row& row);
    Row Observed(const Row& row);
    Row ObservedText(const Row& row);

    fs::path m_workingFolder;
    TemporaryFolder m_folder;
    FakeMainWindowView m_view;
    FakeMessageBoxes m_messages;
    FakeFileDialog m_dialog;
    FakeClipboard m_clipboard;
    FakeShell m_shell;
    FakePendingEvents m_events;
    std::unique_ptr<MainWindowLogic> m_logic;
    std::multimap<int, Row> m_atCall;
    std::ostringstream m_err;
};

bool WindowScriptTest::Do(const Row& row) {
    const std::string& step = row[0];
    const auto at = [&row](std::size_t k) -> const std::string& { return row.at(k); };
    const Control control = row.size() > 1 ? ControlByName(at(1)) : Control::None;
    if (step == "document") {
        m_folder.WriteFile(at(1), at(2));
    } else if (step == "folder") {
        fs::create_directory(m_folder.Path() / at(1));
    } else if (step == "state") {
        m_folder.WriteFile("tagsmith.usr", at(1));
    } else if (step == "state line") {
        Row lines = SplitStateFileLines(ReadFileBytes(StatePath()));
        lines.at(std::stoul(at(1)) - 1) = at(2);
        m_folder.WriteFile("tagsmith.usr", Ended(lines));
    } else if (step == "include") {
        for (const Row& included : ReadCaseTable("core/window/" + at(1))) {
            Run(Substituted(included));
        }
    } else if (step == "answer") {
        m_messages.nextAnswers.push_back(static_cast<MessageResult>(
            std::find(std::begin(kAnswers), std::end(kAnswers), at(1)) - std::begin(kAnswers)));
    } else if (step == "shell fails") {
        m_shell.succeed = false;
    } else if (step == "start" || step == "start without data") {  // on the same state file
        const bool withData = step == "start";
        const fs::path dataFolder = withData ? BinaryFolder() : m_folder.Path() / "empty";
        fs::create_directories(dataFolder);
        m_logic.reset();
        m_view = FakeMainWindowView{};
        m_logic = std::make_unique<MainWindowLogic>(
            m_view, MainWindowServices{m_messages, m_dialog, m_clipboard, m_shell, m_events},
            dataFolder);
        m_logic->SetStatePath(StatePath());
        if (row.size() > 1) m_logic->SetStartFile(at(1));
        EXPECT_EQ(m_logic->Start(), withData);
    } else if (step == "choose") {
        m_dialog.nextNames.push_back(at(1));
        m_logic->OnClick(Control::cmdInputFile);
    } else if (ControlByName(step) != Control::None) {
        Act(ControlByName(step), row.size() > 1 ? &at(1) : nullptr);
    } else if (step == "f1") {
        m_logic->OnKeyF1(control);
    } else if (step == "signal") {
        m_logic->Terminate(m_err);
    } else if (step == "set text") {
        m_view.SetText(control, at(2));
    } else if (step == "set caption") {
        m_view.SetCaption(control, at(2));
    } else if (step == "at call") {
        m_atCall.emplace(std::stoi(at(1)), Row(row.begin() + 2, row.end()));
    } else {
        return false;
    }
    return true;
}

Row WindowScriptTest::Observed(const Row& row) {
    const std::string& what = row[0];
    if (!m_logic) return ObservedText(row);
    const Control control = ControlByName(row.at(1));
    const GeneratorSettings& held = m_logic->Settings();
    if (what == "text") return {m_view.Text(control)};
    if (what == "caption") return {m_view.Caption(control)};
    if (what == "enabled") return {kFlags[m_view.IsEnabled(control)]};
    if (what == "visible") return {kFlags[m_view.IsVisible(control)]};
    if (what == "caret at end") return {kFlags[m_view.caretAtEnd[control]]};
    if (what == "rect") return {RectText(m_view.rects[control])};
    if (what == "checked") {
        const bool* field = CheckField(held, control);
        const bool shown = m_view.IsChecked(control);
        return {Agreed(kFlags[shown], kFlags[field == nullptr ? shown : *field])};
    }
    if (what == "focus") return {std::string(ControlName(m_view.focus))};
    if (what == "shows item") {
        return {m_view.listItems[control].at(static_cast<std::size_t>(m_view.ListIndex(control)))};
    }
    if (what == "window") return {RectText(m_view.window)};
    if (what == "window shown") return {kFlags[m_view.windowVisible]};
    if (what == "output was") {
        const bool was =
            std::ranges::find(m_view.outputHistory, row[1]) != m_view.outputHistory.end();
        return {was ? row[1] : "never shown"};
    }
    if (what == "boxes") return {std::to_string(m_messages.shown.size())};
    if (what == "box") {
        const std::size_t number = std::stoul(row[1]);
        if (number > m_messages.shown.size()) return {"no box " + row[1]};
        const FakeMessageBoxes::Box& box = m_messages.shown[number - 1];
        return {kIcons[static_cast<int>(box.icon)], kButtons[static_cast<int>(box.buttons)],
                box.title, box.prompt};
    }
    if (what == "settings") return {Agreed(FormatStateFile(Shown()), FormatStateFile(held))};
    if (what == "saved") {
        const std::string path = StatePath();
        if (fs::is_directory(path))
            return {fs::is_empty(path) ? "(an empty folder)" : "(a folder)"};
        return {fs::exists(path) ? ReadFileBytes(path) : "(none)"};
    }
    if (what == "stderr") return {m_err.str()};
    if (what == "ended") return {std::to_string(m_view.endCalls)};
    if (what == "ignored") return {m_logic->Ignored().Text()};
    if (what == "scan current") return {kFlags[m_logic->Session().ScanIsCurrent]};
    if (what == "events") return {std::to_string(std::exchange(m_events.calls, 0))};
    if (what == "helps") return {std::to_string(m_view.helpTexts.size())};
    if (what == "help") return {m_view.helpTexts.empty() ? "none" : m_view.helpTexts.back()};
    if (what == "opened") return {Joined(m_shell.opened)};
    if (what == "dialog") return {m_dialog.filter, m_dialog.folder};
    return ObservedText(row);
}

Row WindowScriptTest::ObservedText(const Row& row) {
    const std::string& what = row[0];
    const std::string& given = row.at(1);
    if (what == "keywords box" || what == "bytes box") {
        const LimitBoxCheck left =
            what == "bytes box" ? CheckMaxBytesBox(given) : CheckMaxKeywordsBox(given);
        const std::string box = kIcons[static_cast<int>(left.icon)] + (": " + left.title);
        return {left.text, left.message, left.refocus ? box : ""};
    }
    if (what == "head") {
        const fs::path document = m_folder.WriteFile("page.html", given);
        const std::string report = ReadHeadMetaTags(document.string());
        EXPECT_EQ(ReadFileBytes(document), given);
        return {report};
    }
    if (what == "no document") return {ReadHeadMetaTags((m_folder.Path() / "none").string())};
    if (what == "encode") return {EncodeTextValue(given)};
    if (what == "roundtrip") return {DecodeTextValue(EncodeTextValue(given))};
    if (what == "decode text") return {DecodeTextValue(given)};
    if (what == "decode number") {
        const std::optional<int> number = DecodeNumberValue(given);
        return {number ? std::to_string(*number) : ""};
    }
    if (what == "lines") return {Ended(SplitStateFileLines(given))};
    if (what == "defaults") return {FormatStateFile(GeneratorSettings{})};
    if (what == "no words") {
        GeneratorSettings settings;
        settings.chkIgnoreShortWords = given == "1";
        settings.cboShortWordSize = std::stoi(row.at(2));
        settings.cboThresholdFrequency = std::stoi(row.at(3));
        return {ReportNoWords(settings)};
    }
    if (what == "list words") {
        return {ListWords(TableOf(given), std::stoi(row.at(2)), GeneratorSettings{})};
    }
    if (what == "list ranked words") {  // "w" and k in three letters, weighing 20000 - k
        WordTable table;
        for (int k = 0; k < std::stoi(given); ++k) {
            std::string word = "w";
            for (int n = k, digit = 0; digit < 3; ++digit, n /= 26) word += char('a' + n % 26);
            table.AddOccurrence(word, 20000.0f - static_cast<float>(k), false);
        }
        table.NormaliseValues();
        // The report is ASCII with CR LF line ends.
        const Row lines = SplitStateFileLines(ListWords(table, std::stoi(given), {}));
        return {lines.at(1), lines.back()};
    }
    if (what == "compose") {
        GeneratorSettings settings;
        settings.txbBeginMetaTagWith = row.at(2);
        return {ComposeKeywordsMetaTag(TableOf(given), settings, TextEncoding::Utf8)};
    }
    if (what == "composed tag") {
        const ComposedMetaTag tag{given, std::stoll(row.at(2)), std::stoll(row.at(3))};
        return {FormatComposedMetaTag(tag, GeneratorSettings{})};
    }
    if (what == "help placement") return {RectText(HelpWindowPlacement(RectOf(given)))};
    if (what == "help guide box" || what == "help close button") {
        const HelpControlsLayout layout =
            LayOutHelpControls(std::stoi(given), std::stoi(row.at(2)));
        return {RectText(what == "help guide box" ? layout.guideBox : layout.closeButton)};
    }
    if (what == "file address") return {FileAddress(given)};
    if (what == "short address") return {ShortAddress(given)};
    ADD_FAILURE() << "no such row, or no run started: " << what;
    return {};
}

TEST_P(WindowScriptTest, EveryRowDoesOrHoldsWhatItSays) {
    int number = 0;
    for (const Row& row : ReadCaseTable("core/window/" + GetParam())) {
        SCOPED_TRACE(testing::Message()
                     << GetParam() << " row " << ++number << ": " << Joined(row));
        Run(Substituted(row));
        if (HasFatalFailure()) return;
    }
}

std::vector<std::string> Cases() {
    std::vector<std::string> cases;
    for (const std::string folder : {"scripts", "tables"}) {
        for (const std::string& name : SortedNames(Here() / folder))
            cases.push_back(folder + "/" + name);
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowScriptTest, testing::ValuesIn(Cases()), [](const auto& info) {
    std::string name = info.param.substr(0, info.param.rfind('.'));
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '-' || c == '/'; }, '_');
    return name;
});

}  // namespace
}  // namespace tagsmith::test
