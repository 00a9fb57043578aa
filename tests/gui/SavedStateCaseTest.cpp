// Runs the built window on each folder under tests/gui/state-cases: the window starts with the
// folder's "state" as its saved state, is ended by SIGTERM once it says it is up, and the state
// it saved on the way out must be the folder's "saved", byte for byte. A new case is a folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/TestSupport.h"
#include "gui/SignalledWindow.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;

fs::path StateCases() {
    return SourceFolder() / "tests" / "gui" / "state-cases";
}

class SavedStateCaseTest : public testing::TestWithParam<std::string> {};

TEST_P(SavedStateCaseTest, TheStateSavedOnTheWayOutIsTheExpectedOne) {
    const fs::path folder = StateCases() / GetParam();
    const TemporaryFolder home;
    const fs::path state = home.Path() / "tagsmith" / "tagsmith.usr";
    fs::create_directories(state.parent_path());
    fs::copy_file(folder / "state", state);
    const SignalledWindow run = RunWindowUntilSignalled(home.Path(), SIGTERM);
    ASSERT_TRUE(run.ended) << "the window did not come up or did not end: " << run.err;
    EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0);
    EXPECT_EQ(ReadFileBytes(state), ReadFileBytes(folder / "saved"));
}

INSTANTIATE_TEST_SUITE_P(Cases, SavedStateCaseTest, testing::ValuesIn(SortedNames(StateCases())),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace tagsmith::test
