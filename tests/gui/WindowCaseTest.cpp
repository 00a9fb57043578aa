// Runs the built window on each folder under tests/gui/window-cases and compares how it ended
// with what the folder expects. A new case is a folder:
//   args          the arguments, one a line
//   env           env(1)'s arguments for the run, one a line: --unset=NAME first, then NAME=VALUE
//                 (the window gets a configuration folder of its own besides)
//   state         the saved state the window starts with
//   config        a file put where the configuration folder belongs: no state can be saved
//   signal        TERM, INT or HUP, sent once the window says it is up ("ready" on stdout)
//   status        the exit status (0 when missing)
//   expected.out  stdout (empty when missing)
//   expected.err  how stderr ends (Qt may warn before it; not checked when missing)
//   saved         the state file the window must leave behind, byte for byte
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <map>
#include <string>

#include "fakes/TestSupport.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;

fs::path WindowCases() {
    return SourceFolder() / "tests" / "gui" / "window-cases";
}

// The lines of a case file (none when it is missing).
QStringList Lines(const fs::path& file) {
    return QString::fromStdString(ReadFileBytes(file)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

class WindowCaseTest : public testing::TestWithParam<std::string> {};

TEST_P(WindowCaseTest, EndsWithTheExpectedOutputStatusAndState) {
    const fs::path folder = WindowCases() / GetParam();
    const TemporaryFolder home;
    const fs::path config = home.Path() / "config";
    const fs::path state = config / "tagsmith" / "tagsmith.usr";
    if (fs::exists(folder / "config")) fs::copy_file(folder / "config", config);
    if (fs::exists(folder / "state")) {
        fs::create_directories(state.parent_path());
        fs::copy_file(folder / "state", state);
    }
    // env(1) starts the window with the case's changes to the environment.
    const QStringList arguments =
        Lines(folder / "env") +
        QStringList{"XDG_CONFIG_HOME=" + QString::fromStdString(config.string()),
                    "TAGSMITH_ANNOUNCE_READY=1",
                    QString::fromStdString((BinaryFolder() / "tagsmith").string())} +
        Lines(folder / "args");
    QProcess window;
    window.setWorkingDirectory(QString::fromStdString(home.Path().string()));
    window.start(QStringLiteral("/usr/bin/env"), arguments);
    QByteArray printed;
    const std::map<QString, int> signalNumbers{{"TERM", SIGTERM}, {"INT", SIGINT}, {"HUP", SIGHUP}};
    for (const QString& name : Lines(folder / "signal")) {
        // Sent once the window says it is up; a window that stays silent a minute fails.
        while (!printed.contains("ready\n") && window.waitForReadyRead(60'000)) {
            printed += window.readAllStandardOutput();
        }
        if (printed.contains("ready\n")) {
            ::kill(static_cast<pid_t>(window.processId()), signalNumbers.at(name));
        }
    }
    const bool ended = window.waitForFinished(60'000);
    if (!ended) window.kill();
    printed += window.readAllStandardOutput();
    const std::string err = window.readAllStandardError().toStdString();
    ASSERT_TRUE(ended) << "the window did not end: " << err;

    const std::string expectedStatus = ReadFileBytes(folder / "status");
    EXPECT_EQ(window.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(window.exitCode(), expectedStatus.empty() ? 0 : std::stoi(expectedStatus));
    EXPECT_EQ(printed.toStdString(), ReadFileBytes(folder / "expected.out"));
    EXPECT_TRUE(err.ends_with(ReadFileBytes(folder / "expected.err"))) << err;
    if (fs::exists(folder / "saved")) {
        EXPECT_EQ(ReadFileBytes(state), ReadFileBytes(folder / "saved"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowCaseTest, testing::ValuesIn(SortedNames(WindowCases())),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace tagsmith::test
