// The window ended by a signal while its state cannot be saved: it must end, not wait for a box.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include "fakes/TestSupport.h"
#include "gui/SignalledWindow.h"

namespace tagsmith::test {
namespace {

TEST(TerminationTest, EachSignalEndsTheWindowAndAFailedSaveGoesToStderr) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        const TemporaryFolder folder;
        // The configuration folder is a file: the state cannot be saved.
        const SignalledWindow run =
            RunWindowUntilSignalled(folder.WriteFile("config", "not a folder"), signal);
        ASSERT_TRUE(run.up) << "the window did not come up: " << run.err;
        ASSERT_TRUE(run.ended) << "the window did not end";
        EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0);
        const std::string line = "tagsmith: Save state: Error when attempting to save the state: ";
        EXPECT_NE(run.err.find(line), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace tagsmith::test
