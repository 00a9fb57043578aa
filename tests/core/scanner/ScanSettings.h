#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "core/model/GeneratorSettings.h"

namespace tagsmith::test {

// Applies the settings a case table names as "name=value ...": the lists by their 0-based
// position, the check boxes by 0 or 1. A name it does not know fails the test.
inline void ApplySettings(GeneratorSettings& settings, const std::string& text) {
    using S = GeneratorSettings;
    const std::pair<std::string_view, int S::*> lists[] = {
        {"language", &S::cboLanguage}, {"threshold", &S::cboThresholdFrequency},
        {"title", &S::cboTitleWeight}, {"keywords", &S::cboExistingKeywordsWeight},
        {"table", &S::cboTableWeight}, {"div", &S::cboDivWeight}};
    const std::pair<std::string_view, bool S::*> checks[] = {{"common", &S::chkIgnoreCommonWords},
                                                             {"short", &S::chkIgnoreShortWords},
                                                             {"case", &S::chkPreserveCase}};
    std::istringstream options(text);
    for (std::string option; options >> option;) {
        const std::size_t equals = option.find('=');
        const std::string_view name = std::string_view(option).substr(0, equals);
        const int value = std::stoi(option.substr(equals + 1));
        bool known = false;
        for (const auto& [list, field] : lists) {
            if (name != list) continue;
            settings.*field = value;
            known = true;
        }
        for (const auto& [check, field] : checks) {
            if (name != check) continue;
            settings.*field = value != 0;
            known = true;
        }
        EXPECT_TRUE(known) << option;
    }
}

}  // namespace tagsmith::test
