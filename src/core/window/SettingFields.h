#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/model/GeneratorSettings.h"
#include "core/window/Control.h"

namespace tagsmith {

// The eleven drop-down lists in the order FillSettingLists fills them.
inline constexpr std::array<Control, 11> kSettingLists = {Control::cboTitleWeight,
                                                          Control::cboDescriptionWeight,
                                                          Control::cboExistingKeywordsWeight,
                                                          Control::cboBoldWeight,
                                                          Control::cboItalicWeight,
                                                          Control::cboTableWeight,
                                                          Control::cboDivWeight,
                                                          Control::cboSpanWeight,
                                                          Control::cboShortWordSize,
                                                          Control::cboThresholdFrequency,
                                                          Control::cboLanguage};

// The items a list shows ("10" ... "90", "English" ...); empty for a control that is no list.
std::vector<std::string> SettingListItems(Control list);

// The settings field that holds a control's value; nullptr when the control has none of that kind.
int* ListField(GeneratorSettings& settings, Control list);
bool* CheckField(GeneratorSettings& settings, Control checkBox);
std::string* TextField(GeneratorSettings& settings, Control textBox);
const int* ListField(const GeneratorSettings& settings, Control list);
const bool* CheckField(const GeneratorSettings& settings, Control checkBox);
const std::string* TextField(const GeneratorSettings& settings, Control textBox);

}  // namespace tagsmith
