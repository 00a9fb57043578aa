#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/GeneratorSettings.h"
#include "core/pipeline/DocumentLanguage.h"

namespace tagsmith {
namespace {

TEST(DocumentLanguageTest, TakesThePrimarySubtagOfHtmlLangElseContentLanguage) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"<html lang=\"ru\"><head>", "ru"},
        {"<!DOCTYPE html>\n<HTML\n  Lang = 'zh-Hans-CN' dir=ltr>", "zh"},
        {"<html xml:lang=pt_BR>", "pt"},
        {"<html data-lang=\"fr\" lang=\"de\">", "de"},  // only the lang attribute itself
        {"<htmlx lang=\"fr\"><html>", ""},
        {"<html><meta http-equiv=\"Content-Language\" content=\"pl, en\">", "pl"},
        {"<html lang=\"\"><meta http-equiv='content-language' content='el'>", "el"},
        {"<meta name=\"language\" content=\"it\">", ""},
        {"<p>lang=\"fr\"</p>", ""},
    };
    for (const auto& [head, language] : cases) EXPECT_EQ(DeclaredLanguage(head), language) << head;
}

TEST(DocumentLanguageTest, MapsCodesToTheListsOnly) {
    EXPECT_EQ(LanguagePosition("en"), kEnglishPosition);
    EXPECT_EQ(LanguagePosition("nb"), LanguagePosition("no"));
    EXPECT_GT(LanguagePosition("vi"), kAnotherLanguagePosition);
    for (const std::string code : {"xx", "", "auto", "qq"}) EXPECT_EQ(LanguagePosition(code), -1);
}

}  // namespace
}  // namespace tagsmith
