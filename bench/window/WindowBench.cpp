// tagsmith_window_bench DOCUMENT: how long the window takes to show the result of Generate and
// List words for a document, against the same scan without a window (as the command-line tool
// makes it), in one process; the longest gap between two event runs is the longest of all runs.
// Runs on the offscreen platform unless another is set.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>

#include "core/text/FileUtilities.h"
#include "core/window/ComposedTagText.h"
#include "core/window/MainWindowLogic.h"
#include "core/window/WordListText.h"
#include "gui/MainWindow.h"
#include "platform/console/ConsoleMessageBoxes.h"
#include "platform/console/NoPendingEvents.h"
#include "platform/console/StringOutputBox.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtPendingEvents.h"
#include "platform/qt/QtShell.h"

namespace {

using namespace tagsmith;

// The scan and report without a window, in seconds.
double WithoutWindow(const std::string& document, bool generate) {
    GeneratorSettings settings;
    CommonWordLists commonWords;
    commonWords.LoadAllCommonWords(ProgramDataFolder());
    IgnoreList ignoreList;
    ignoreList.Rebuild("");
    ProgramText texts;
    std::string message;
    LoadProgramText(texts, ProgramDataFolder(), message);
    ConsoleMessageBoxes messages(std::cerr);
    StringOutputBox output;
    ScanView view;
    NoPendingEvents events;
    ScanSession session;
    settings.txbInputFile = document;
    QElapsedTimer timer;
    timer.start();
    if (ProcessInputFile(
            session, {settings, commonWords, ignoreList, texts, messages, output, view, events})) {
        output.SetText(generate ? ComposeKeywordsMetaTag(session.Table, settings, session.State.Encoding)
                                : ListWords(session.Table, session.State.TotalWords, settings));
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: tagsmith_window_bench DOCUMENT\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window reads and writes its saved state: keep the user's out of it.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication application(argc, argv);
    const std::string document = argv[1];

    ConsoleMessageBoxes messages(std::cerr);
    QtFileDialog fileDialog;
    QtClipboard clipboard;
    QtShell shell;
    MainWindow window;
    QtPendingEvents events([&window] { window.FlushOutput(); });
    MainWindowLogic logic(window, {messages, fileDialog, clipboard, shell, events},
                          ProgramDataFolder());
    window.AttachEvents(logic);
    if (!logic.Start()) return 1;
    QApplication::processEvents();
    logic.OnTextEdited(Control::txbInputFile, document);
    logic.OnLostFocus(Control::txbInputFile);

    std::printf("%-8s %10s %12s %7s %11s %13s %10s\n", "command", "window", "no window", "ratio",
                "event runs", "longest gap", "in events");
    // The fastest of BENCH_REPEAT runs of each (default 3), window and no window taking turns,
    // so that a busy machine disturbs both alike.
    const int repeat = std::max(1, qEnvironmentVariableIntValue("BENCH_REPEAT"));
    const int runs = qEnvironmentVariableIsSet("BENCH_REPEAT") ? repeat : 3;
    for (const bool generate : {true, false}) {
        double shown = 1e9;
        double plain = 1e9;
        int eventRuns = 0;
        qint64 longestGap = 0;
        double inEvents = 0;
        for (int run = 0; run < runs; ++run) {
            events.ResetStatistics();
            QElapsedTimer timer;
            timer.start();
            // Each command scans again, as after a change of settings.
            logic.OnListChanged(Control::cboBoldWeight, (generate ? 3 : 4) + run % 2);
            logic.OnClick(generate ? Control::cmdGenerateKeywordMetaTag : Control::cmdListWords);
            QApplication::processEvents();
            window.repaint();
            const double once = static_cast<double>(timer.nsecsElapsed()) / 1e9;
            if (once < shown) {
                shown = once;
                eventRuns = events.Runs();
                inEvents = events.SpentSeconds();
            }
            longestGap = std::max(longestGap, events.LongestGapMs());
            plain = std::min(plain, WithoutWindow(document, generate));
        }
        std::printf("%-8s %9.3fs %11.3fs %7.2f %11d %10lld ms %9.3fs\n",
                    generate ? "generate" : "list", shown, plain, shown / plain, eventRuns,
                    static_cast<long long>(longestGap), inEvents);
    }
    logic.OnClose();
    return 0;
}
