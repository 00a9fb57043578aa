#include <gtest/gtest.h>

#include "core/engine/IgnoreList.h"

namespace tagsmith::test {
namespace {

struct RebuildCase {
    const char* boxText;
    const char* normalised;
    const char* list;
};

class IgnoreListRebuildTest : public ::testing::TestWithParam<RebuildCase> {};

TEST_P(IgnoreListRebuildTest, NormalisesTheBoxAndBuildsTheList) {
    IgnoreList list;
    EXPECT_EQ(list.Rebuild(GetParam().boxText), GetParam().normalised);
    EXPECT_EQ(list.Text(), GetParam().list);
}

INSTANTIATE_TEST_SUITE_P(
    BoxTexts, IgnoreListRebuildTest,
    ::testing::Values(RebuildCase{"  Foo, ,bar  ", "foo,bar", "foo,bar,"},
                      RebuildCase{"Alpha  beta", "alpha,beta", "alpha,beta,"},
                      RebuildCase{"", "", ","}, RebuildCase{"   ", "", ","},
                      RebuildCase{",foo", ",foo", ",foo,"}, RebuildCase{"foo,,", "foo", "foo,"},
                      RebuildCase{"a , b", "a,b", "a,b,"},
                      // Typed characters stay as typed; those cp1252 holds are lower-cased.
                      RebuildCase{"\xC3\x89T\xC3\x89 \xD0\x9F\xD1\x80\xD0\xB8",
                                  "\xC3\xA9t\xC3\xA9,\xD0\x9F\xD1\x80\xD0\xB8",
                                  "\xE9t\xE9,\x81\x81\x81,"}));

TEST(IgnoreListTest, MatchesWholeEntriesOnly) {
    IgnoreList list;
    list.Rebuild(",Apples pear \xC3\xA9t\xC3\xA9");
    EXPECT_TRUE(list.Contains("apples"));
    EXPECT_TRUE(list.Contains("APPLES"));
    EXPECT_TRUE(list.Contains("pear"));
    EXPECT_TRUE(list.Contains("\xC9T\xC9"));
    EXPECT_FALSE(list.Contains("ples"));
    EXPECT_FALSE(list.Contains("apple"));
    EXPECT_FALSE(list.Contains("pears"));
    EXPECT_FALSE(list.Contains(""));
}

}  // namespace
}  // namespace tagsmith::test
