// The texts the command-line tool builds, each function checked against a case table under
// cli/text-cases (a new case is a row): the unified diff and its labels, the keywords of a tag and
// the stale line of check, the report's escaping and decoding, the JSON report and the console
// text of a message box.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "cli/FileReports.h"
#include "cli/HtmlReport.h"
#include "cli/JsonFormatter.h"
#include "cli/KeywordsComparison.h"
#include "cli/UnifiedDiff.h"
#include "core/engine/KeywordsOfTag.h"
#include "fakes/CaseTable.h"

namespace tagsmith {
namespace {

using Row = std::vector<std::string>;

std::string Json(const std::string& file) {
    DocumentReport report;
    report.file = file;
    report.refusal = Refusal{"Error", "Cannot open"};
    std::ostringstream out;
    JsonFormatter formatter(out);
    formatter.Begin(1);
    formatter.Add(report);
    formatter.End();
    return out.str();
}

// The function each table checks (its name): the text made of a row's fields but the last, which
// is the expected one.
const std::map<std::string, std::function<std::string(const Row&)>> kFunctions = {
    {"UnifiedDiff", [](const Row& r) { return UnifiedDiff("old", "new", r[0], r[1]); }},
    {"DiffLabel",
     [](const Row& r) {
         return DiffLabel(r[0], {1, 7});
     }},
    {"KeywordsOfTag",
     [](const Row& r) {
         std::string keywords;
         for (const std::string& keyword : KeywordsOfTag(r[0])) keywords += keyword + ";";
         return keywords;
     }},
    {"StaleLine",
     [](const Row& r) {
         return StaleLine("f", CompareKeywords(r[0], {"herbs", "basil", "thyme"}, r[1] == "yes"));
     }},
    {"HtmlEscape", [](const Row& r) { return HtmlEscape(r[0]); }},
    {"CharacterReferences", [](const Row& r) { return DecodeCharacterReferences(r[0]); }},
    {"JsonReport", [](const Row& r) { return Json(r[0]); }},
    {"ConsoleReport", [](const Row& r) { return ConsoleReport(r[0]); }},
};

TEST(TextCaseTest, EachRowOfEachTableGivesItsText) {
    for (const auto& [table, function] : kFunctions) {
        const auto rows = test::ReadCaseTable("cli/text-cases/" + table + ".txt");
        EXPECT_FALSE(rows.empty()) << table;
        for (const Row& row : rows)
            EXPECT_EQ(function(row), row.back()) << table << testing::PrintToString(row);
    }
}

}  // namespace
}  // namespace tagsmith
