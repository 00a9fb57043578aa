#include "cli/JsonFormatter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tagsmith {
namespace {

// A file name is bytes: whatever is not UTF-8 in it becomes U+FFFD, one for each bad sequence,
// and the rest of the name is kept.
TEST(JsonFormatterTest, BytesThatAreNotUtf8BecomeReplacementCharacters) {
    struct Case {
        const char* file;
        const char* written;
    };
    const Case cases[] = {
        {"caf\xC3\xA9.html", "caf\xC3\xA9.html"},
        {"caf\xE9.html", "caf\xEF\xBF\xBD.html"},
        {"a\xFF\xFE" "b.htm", "a\xEF\xBF\xBD\xEF\xBF\xBD" "b.htm"},
        {"cut\xE2\x82.htm", "cut\xEF\xBF\xBD.htm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        DocumentReport report;
        report.file = c.file;
        report.refusal = Refusal{"Error", "Cannot open"};
        std::ostringstream out;
        JsonFormatter formatter(out);
        formatter.Begin(1);
        formatter.Add(report);
        formatter.End();
        EXPECT_EQ(out.str(), std::string("[\n{\"file\":\"") + c.written +
                                 "\",\"status\":\"refused\",\"refusal\":{\"title\":\"Error\","
                                 "\"message\":\"Cannot open\"}}\n]\n");
    }
}

}  // namespace
}  // namespace tagsmith
