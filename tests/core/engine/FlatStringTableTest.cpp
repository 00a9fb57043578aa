// The flat hash table of the common words must behave as a map from words to values, through
// long runs of insertions and look-ups (growth moves every entry).
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "core/engine/FlatStringTable.h"
#include "core/engine/StringHash.h"

namespace tagsmith::test {
namespace {

TEST(FlatStringTableTest, BehavesAsAMapThroughInsertionsAndLookUps) {
    std::mt19937 random(23);
    FlatStringTable<int> table;
    std::map<std::string, int> model;
    // Few distinct keys (2047), so that the same keys come again and probe runs overlap.
    const auto key = [&random] {
        std::string word;
        const int length = std::uniform_int_distribution<int>(0, 10)(random);
        for (int k = 0; k < length; ++k) word.push_back("ab"[random() % 2]);
        return word;
    };
    for (int step = 0; step < 200000; ++step) {
        const std::string word = key();
        if (std::uniform_int_distribution<int>(0, 1)(random) == 0) {
            table.Insert(word) = step;
            model[word] = step;
        } else {
            const int* found = table.Find(word);
            const auto expected = model.find(word);
            ASSERT_EQ(found != nullptr, expected != model.end()) << word;
            if (found != nullptr) {
                ASSERT_EQ(*found, expected->second) << word;
            }
        }
        ASSERT_EQ(table.Size(), model.size());
    }
    for (const auto& [word, value] : model) {
        SCOPED_TRACE(word);
        const int* found = table.Find(word);
        ASSERT_NE(found, nullptr) << word;
        EXPECT_EQ(*found, value);
    }
}

// The hash reads the last bytes of a word with loads that may reach before them; it must still
// see only the word's own bytes, whatever stands around the word and whatever its length.
TEST(StringHashTest, AWordHashesAloneWhateverStandsAroundIt) {
    const std::string word = "abcdefghijklmnopqrstuvwxyz";
    for (std::size_t length = 0; length <= word.size(); ++length) {
        const std::string alone = word.substr(0, length);
        std::string inside = "XYZ1234567" + alone + "9876543210";
        SCOPED_TRACE(length);
        EXPECT_EQ(HashText(std::string_view(inside).substr(10, length)), HashText(alone));
        inside[9] = '!';
        inside[10 + length] = '?';
        EXPECT_EQ(HashText(std::string_view(inside).substr(10, length)), HashText(alone));
        if (length > 0) {
            // The last byte takes part.
            std::string changed = alone;
            changed.back() = '#';
            EXPECT_NE(HashText(changed), HashText(alone));
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
