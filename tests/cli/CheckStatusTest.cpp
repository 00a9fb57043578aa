// check run in the process: the exit status says whether any document is stale.
#include <gtest/gtest.h>

#include "cli/ToolRun.h"
#include "fakes/TestSupport.h"

namespace tagsmith {
namespace {

TEST(CheckStatusTest, AStaleDocumentFailsTheRunAnUpToDateOneDoesNot) {
    const test::TemporaryFolder folder;
    const auto page = [&](const char* name, const char* keywords) {
        return folder
            .WriteFile(
                name, std::string("<html>\n<head>\n<meta name=\"keywords\" content=\"") + keywords +
                          "\">\n</head><body>kettle kettle teapot teapot</body>\n</html>\n")
            .string();
    };
    const std::string fresh = page("fresh.html", "kettle, teapot");
    const std::string stale = page("stale.html", "teapot, kettle");
    const struct {
        std::vector<std::string> files;
        int status;
    } cases[] = {{{fresh}, 0}, {{stale}, 1}, {{fresh, stale}, 1}};
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"check"};
        arguments.insert(arguments.end(), c.files.begin(), c.files.end());
        const test::ToolRun run = test::RunTool(arguments);
        EXPECT_EQ(run.status, c.status) << run.out << run.err;
        EXPECT_EQ(run.out.empty(), c.status == 0) << run.out;
    }
}

}  // namespace
}  // namespace tagsmith
