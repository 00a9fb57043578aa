#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "core/engine/LimitText.h"
#include "core/engine/MetaTagComposer.h"
#include "core/engine/TableBuilder.h"
#include "fakes/CaseTable.h"

namespace tagsmith::test {
namespace {

// Rows in the order of the blank-separated words: each weighs less than the one before.
WordTable RankedTable(const std::string& words) {
    std::vector<Occurrence> occurrences;
    std::istringstream in(words);
    float weight = 100;
    for (std::string word; in >> word;) occurrences.push_back({word, weight--});
    return MakeTable(occurrences);
}

TEST(ComposeMetaTagTest, KeepsPrefixBeginPhrasesCaseAndBothLimits) {
    const auto rows = ReadCaseTable("core/engine/MetaTagComposerCases.txt");
    ASSERT_EQ(rows.size(), 49u);
    for (const auto& row : rows) {
        if (row.at(0) == "limit") {
            EXPECT_EQ(LimitFromText(row.at(1)), std::stoll(row.at(2))) << row.at(1);
            continue;
        }
        SCOPED_TRACE(row.at(2) + " / begin \"" + row.at(3) + "\" / max " + row.at(7));
        GeneratorSettings settings;
        settings.txbBeginMetaTagWith = row.at(3);
        settings.chkPreserveCase = row.at(4) == "1";
        settings.chkSpaceAfterComma = row.at(5) == "1";
        settings.txbMaxNumKeywordsInMetaTag = row.at(6);
        settings.txbMaxNumBytesInMetaTag = row.at(7);
        const TextEncoding encoding =
            row.at(1) == "utf8" ? TextEncoding::Utf8 : TextEncoding::Windows1252;
        const ComposedMetaTag composed = ComposeMetaTag(RankedTable(row.at(2)), settings, encoding);
        EXPECT_EQ(std::tie(composed.tag, composed.keywords, composed.bytes),
                  std::make_tuple("<meta name=\"keywords\" content=\"" + row.at(8) + "\">",
                                  std::stoll(row.at(9)), std::stoll(row.at(10))));
        if (row.at(3).find_first_not_of(' ') == std::string::npos) {
            EXPECT_EQ(settings.txbBeginMetaTagWith, "");
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
