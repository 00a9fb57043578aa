#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/GeneratorSettings.h"
#include "core/window/Control.h"

namespace tagsmith {

enum class StateValueKind { Text, Number };

// One line of the state file: the control whose value it holds, and how that value is written.
struct StateLine {
    Control control;
    StateValueKind kind;
};

inline constexpr int kStateLineCount = 21;

// The 21 lines in file order. Line 21 holds 1 when "with backup" is selected, else 0.
inline constexpr std::array<StateLine, kStateLineCount> kStateLines = {{
    {Control::txbInputFile, StateValueKind::Text},
    {Control::txbBeginMetaTagWith, StateValueKind::Text},
    {Control::txbWordsToIgnore, StateValueKind::Text},
    {Control::txbMaxNumKeywordsInMetaTag, StateValueKind::Text},
    {Control::txbMaxNumBytesInMetaTag, StateValueKind::Text},
    {Control::cboShortWordSize, StateValueKind::Number},
    {Control::cboThresholdFrequency, StateValueKind::Number},
    {Control::cboTableWeight, StateValueKind::Number},
    {Control::cboExistingKeywordsWeight, StateValueKind::Number},
    {Control::cboBoldWeight, StateValueKind::Number},
    {Control::chkIgnoreShortWords, StateValueKind::Number},
    {Control::chkIgnoreCommonWords, StateValueKind::Number},
    {Control::chkPreserveCase, StateValueKind::Number},
    {Control::chkSpaceAfterComma, StateValueKind::Number},
    {Control::cboTitleWeight, StateValueKind::Number},
    {Control::cboDescriptionWeight, StateValueKind::Number},
    {Control::cboItalicWeight, StateValueKind::Number},
    {Control::cboDivWeight, StateValueKind::Number},
    {Control::cboSpanWeight, StateValueKind::Number},
    {Control::cboLanguage, StateValueKind::Number},
    {Control::optInsertionWithBackup, StateValueKind::Number},
}};

// A text between double quotes; a quote inside the text is doubled.
std::string EncodeTextValue(std::string_view text);
// The text of a text line: from its opening quote to the next single quote ("" stands for one
// quote); anything after that is ignored. A line without an opening quote is taken whole
// (trimmed of spaces).
std::string DecodeTextValue(std::string_view line);
// The decimal integer of a number line (spaces around it allowed); nullopt for anything else.
std::optional<int> DecodeNumberValue(std::string_view line);

// The whole state file for the settings: 21 lines, each ended by LF.
std::string FormatStateFile(const GeneratorSettings& settings);
// The lines of a state file's bytes, as UTF-8 (a file that is not valid UTF-8 is read as
// Windows-1252; a byte-order mark is dropped). Lines end at LF, CR LF or a lone CR.
std::vector<std::string> SplitStateFileLines(std::string_view bytes);

}  // namespace tagsmith
