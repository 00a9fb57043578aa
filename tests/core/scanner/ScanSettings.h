#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/model/GeneratorSettings.h"

namespace tagsmith::test {

// Applies the settings a case table names as "name=value ...": the lists by their 0-based
// position, the check boxes by 0 or 1. A name it does not know fails the test.
inline void ApplySettings(GeneratorSettings& s, const std::string& text) {
    std::istringstream options(text);
    for (std::string option; options >> option;) {
        const std::string name = option.substr(0, option.find('='));
        const int value = std::stoi(option.substr(name.size() + 1));
        int* const list = name == "language"    ? &s.cboLanguage
                          : name == "threshold" ? &s.cboThresholdFrequency
                          : name == "title"     ? &s.cboTitleWeight
                          : name == "keywords"  ? &s.cboExistingKeywordsWeight
                          : name == "table"     ? &s.cboTableWeight
                          : name == "div"       ? &s.cboDivWeight
                                                : nullptr;
        bool* const check = name == "common"  ? &s.chkIgnoreCommonWords
                            : name == "short" ? &s.chkIgnoreShortWords
                            : name == "case"  ? &s.chkPreserveCase
                                              : nullptr;
        ASSERT_TRUE(list != nullptr || check != nullptr) << option;
        if (list != nullptr) *list = value;
        if (check != nullptr) *check = value != 0;
    }
}

}  // namespace tagsmith::test
