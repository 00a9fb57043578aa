// The engine's indexes against plain models: the flat hash table of the common words must behave
// as a map from words to values through long runs of insertions and look-ups (growth moves every
// entry), and the index of the growing tag text must answer as a search of the whole text would.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "core/engine/FlatStringTable.h"
#include "core/engine/StringHash.h"
#include "core/engine/SubstringIndex.h"

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

std::u32string RandomText(std::mt19937& random, int longest) {
    // A small alphabet, so that repeats and near-repeats abound; one character above U+FFFF.
    static constexpr char32_t kAlphabet[] = {U'a', U'b',      U'c',         U',',
                                             U' ', U'\u00E9', U'\U0001F600'};
    std::u32string text;
    const int length = std::uniform_int_distribution<int>(0, longest)(random);
    for (int k = 0; k < length; ++k) {
        text.push_back(kAlphabet[std::uniform_int_distribution<int>(0, 6)(random)]);
    }
    return text;
}

TEST(SubstringIndexTest, AnswersAsASearchOfTheWholeText) {
    std::mt19937 random(17);
    for (int round = 0; round < 300; ++round) {
        SubstringIndex index;
        std::u32string text;
        for (int append = 0; append < 20; ++append) {
            const std::u32string part = RandomText(random, 12);
            index.Append(part);
            text += part;
            for (int query = 0; query < 40; ++query) {
                const std::u32string sought = RandomText(random, 6);
                ASSERT_EQ(index.Contains(sought), text.find(sought) != std::u32string::npos)
                    << "round " << round << ", append " << append;
            }
            // Every piece of the text is found, the text itself included.
            const auto from = std::uniform_int_distribution<std::size_t>(0, text.size())(random);
            ASSERT_TRUE(index.Contains(std::u32string_view(text).substr(from)));
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
