#include "core/window/MainWindowLayout.h"

#include <array>

namespace tagsmith {

namespace {

using enum ControlKind;
using C = Control;

constexpr std::array kLayout = {
    ControlLayout{C::cmdInputFile, Button, "Input file", {210, 105, 1380, 360}, kSans975},
    ControlLayout{C::txbInputFile, TextBox, "", {1650, 105, 7005, 330}, kCourier825},
    ControlLayout{C::cmdClearInputFile, Button, "Clear", {8715, 105, 720, 300}, kSans825},
    ControlLayout{C::lblLanguageOfText, Label, "Language:", {210, 585, 1170, 330}, kSans975},
    ControlLayout{C::cboLanguage, DropDownList, "", {1260, 555, 1380, 315}, kSans825},
    ControlLayout{
        C::chkIgnoreCommonWords, CheckBox, "Ignore common words", {2835, 525, 2430, 330}, kSans975},
    ControlLayout{
        C::chkIgnoreShortWords, CheckBox, "Ignore words with", {5355, 525, 2010, 330}, kSans975},
    ControlLayout{C::cboShortWordSize, DropDownList, "", {7245, 525, 645, 315}, kSans825},
    ControlLayout{C::lblCharsOrLess, Label, "characters or less", {7950, 555, 1695, 330}, kSans975},
    ControlLayout{C::lblTitleWeight, Label, "TITLE weight:", {210, 975, 2325, 330}, kSans975},
    ControlLayout{C::cboTitleWeight, DropDownList, "", {2550, 975, 645, 315}, kSans825},
    ControlLayout{C::lblBoldWeight, Label, "Bold/strong weight:", {4005, 975, 2115, 330}, kSans975},
    ControlLayout{C::cboBoldWeight, DropDownList, "", {6100, 975, 645, 315}, kSans825},
    ControlLayout{C::lblTableWeight, Label, "TABLE weight:", {7410, 975, 1590, 330}, kSans975},
    ControlLayout{C::cboTableWeight, DropDownList, "", {8805, 975, 645, 315}, kSans825},
    ControlLayout{
        C::lblDescriptionWeight, Label, "Description weight:", {210, 1493, 2325, 330}, kSans975},
    ControlLayout{C::cboDescriptionWeight, DropDownList, "", {2550, 1493, 645, 315}, kSans825},
    ControlLayout{
        C::lblItalicWeight, Label, "Italic/emphasis weight:", {4005, 1493, 2430, 330}, kSans975},
    ControlLayout{C::cboItalicWeight, DropDownList, "", {6100, 1493, 645, 315}, kSans825},
    ControlLayout{C::lblDivWeight, Label, "DIV weight:", {7410, 1493, 1695, 330}, kSans975},
    ControlLayout{C::cboDivWeight, DropDownList, "", {8805, 1493, 645, 315}, kSans825},
    ControlLayout{C::lblExistingkeywordsWeight,
                  Label,
                  "Existing keywords weight:",
                  {210, 2010, 2745, 330},
                  kSans975},
    ControlLayout{C::cboExistingKeywordsWeight, DropDownList, "", {2550, 2010, 645, 315}, kSans825},
    ControlLayout{C::lblThresholdFrequency,
                  Label,
                  "Minimum frequency for word:",
                  {3495, 2025, 2745, 330},
                  kSans975},
    ControlLayout{C::cboThresholdFrequency, DropDownList, "", {6105, 2025, 645, 315}, kSans825},
    ControlLayout{C::lblSpanWeight, Label, "SPAN weight:", {7410, 2025, 1695, 330}, kSans975},
    ControlLayout{C::cboSpanWeight, DropDownList, "", {8805, 2025, 645, 315}, kSans825},
    ControlLayout{C::chkPreserveCase,
                  CheckBox,
                  "Keep upper/lower case in keywords",
                  {210, 2525, 3585, 330},
                  kSans975},
    ControlLayout{C::chkSpaceAfterComma,
                  CheckBox,
                  "Spaces after commas in meta tag",
                  {3990, 2525, 3480, 330},
                  kSans975},
    ControlLayout{C::cmdReset, Button, "Restore defaults", {7770, 2525, 1660, 300}, kSans825},
    ControlLayout{
        C::lblIgnoreTheseWords, Label, "Ignore these words:", {210, 2985, 2325, 330}, kSans975},
    ControlLayout{C::txbWordsToIgnore, TextBox, "", {2040, 2985, 6570, 330}, kCourier825},
    ControlLayout{C::cmdClearWordsToIgnore, Button, "Clear", {8715, 2985, 700, 300}, kSans825},
    ControlLayout{
        C::lblBeginMetaTagWith, Label, "Begin meta tag with:", {210, 3405, 2325, 330}, kSans975},
    ControlLayout{C::txbBeginMetaTagWith, TextBox, "", {2040, 3405, 6570, 330}, kCourier825},
    ControlLayout{C::cmdClearBeginMetaTagWith, Button, "Clear", {8715, 3405, 700, 300}, kSans825},
    ControlLayout{C::lblMaxNumKeywords,
                  Label,
                  "Maximum number of keywords in meta tag:",
                  {210, 3825, 3795, 330},
                  kSans975},
    ControlLayout{C::txbMaxNumKeywordsInMetaTag,
                  TextBox,
                  "",
                  {4095, 3825, 540, 330},
                  kSans825,
                  kLimitBoxMaxLength},
    ControlLayout{C::lblMaxNumBytes,
                  Label,
                  "Maximum number of bytes in meta tag:",
                  {5325, 3825, 3585, 330},
                  kSans975},
    ControlLayout{C::txbMaxNumBytesInMetaTag,
                  TextBox,
                  "",
                  {8895, 3825, 540, 330},
                  kSans825,
                  kLimitBoxMaxLength},
    ControlLayout{C::cmdShowExistingKeywordMetaTag,
                  Button,
                  "Show existing  keywords etc.",
                  {210, 4245, 2955, 360},
                  kSans975},
    ControlLayout{C::cmdListWords, Button, "List words", {3360, 4245, 1275, 360}, kSans975},
    ControlLayout{C::cmdGenerateKeywordMetaTag,
                  Button,
                  "Generate/show keywords meta tag",
                  {4830, 4245, 3600, 360},
                  kSans975},
    ControlLayout{C::cmdHelp, Button, "Help", {8610, 4245, 830, 330}, kSans975},
    ControlLayout{C::chkLargeWindow, CheckBox, "Large window", {210, 4665, 1815, 330}, kSans975},
    // The count starts at 4095 as designed; the label reaches left to beside "Large window" so
    // that a long count moves its caption left instead of losing digits.
    ControlLayout{
        C::lblNumberOfWords, Label, "", {2100, 4690, 7350, 330}, kSans975, 0, false, 1995},
    ControlLayout{C::txbMetaTag, MultiLineTextBox, "", {210, 5085, 9240, 2115}, kCourier825},
    ControlLayout{C::Frame1, Strip, "", {210, 7290, 9255, 855}, {}},
    ControlLayout{C::cmdClearOutput, Button, "Clear", {0, 0, 991, 330}, kSans975},
    ControlLayout{
        C::cmdCopyToClipboard, Button, "Copy to clipboard", {1440, 0, 2955, 330}, kSans975},
    ControlLayout{
        C::cmdInsert, Button, "Insert meta tag into file", {4920, 0, 2955, 330}, kSans975},
    ControlLayout{C::cmdQuit, Button, "Quit", {8259, 0, 991, 330}, kSans975},
    ControlLayout{C::optInsertionWithBackup, Option, "with", {5145, 395, 1920, 330}, kSans975},
    ControlLayout{
        C::optInsertionWithoutBackup, Option, "without backup", {5985, 395, 1800, 330}, kSans975},
    ControlLayout{C::lblNotice, Label, "Tagsmith 1.0 by", {0, 420, 1605, 300}, kSans825},
    ControlLayout{
        C::lblQuorlanSystems, LinkLabel, "Quorlan Systems", {1680, 420, 1395, 300}, kSans825},
    // Wider than its first design, so that the whole address fits.
    ControlLayout{C::lblQN_URL, Label, "", {3120, 420, 1950, 300}, kSans825},
    // Its caption ends at the strip's right edge, clear of "without backup" beside it.
    ControlLayout{C::lblOnlineDocumentation,
                  LinkLabel,
                  "Online user manual",
                  {6700, 420, 2535, 300},
                  kSans825,
                  0,
                  true},
};

constexpr ControlLayout kNoLayout{};

}  // namespace

std::span<const ControlLayout> MainWindowLayout() {
    return kLayout;
}

const ControlLayout& LayoutOf(Control control) {
    for (const ControlLayout& entry : kLayout) {
        if (entry.control == control) return entry;
    }
    return kNoLayout;
}

bool IsInFrame(Control control) {
    return static_cast<int>(control) > static_cast<int>(Control::Frame1);
}

}  // namespace tagsmith
