// The index of the growing tag text must answer as a plain search of the whole text would.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/engine/SubstringIndex.h"

namespace tagsmith::test {
namespace {

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
