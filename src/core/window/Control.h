#pragma once

#include <string_view>

namespace tagsmith {

// Every control of the main window, named as the window names it (the Qt view uses these names
// as object names). Labels without behaviour are listed too, so that the layout table can name
// every widget. The controls of the bottom strip follow Frame1.
#define TAGSMITH_MAIN_WINDOW_CONTROLS(X) \
    X(cmdInputFile)                      \
    X(txbInputFile)                      \
    X(cmdClearInputFile)                 \
    X(lblLanguageOfText)                 \
    X(cboLanguage)                       \
    X(chkIgnoreCommonWords)              \
    X(chkIgnoreShortWords)               \
    X(cboShortWordSize)                  \
    X(lblCharsOrLess)                    \
    X(lblTitleWeight)                    \
    X(cboTitleWeight)                    \
    X(lblBoldWeight)                     \
    X(cboBoldWeight)                     \
    X(lblTableWeight)                    \
    X(cboTableWeight)                    \
    X(lblDescriptionWeight)              \
    X(cboDescriptionWeight)              \
    X(lblItalicWeight)                   \
    X(cboItalicWeight)                   \
    X(lblDivWeight)                      \
    X(cboDivWeight)                      \
    X(lblExistingkeywordsWeight)         \
    X(cboExistingKeywordsWeight)         \
    X(lblThresholdFrequency)             \
    X(cboThresholdFrequency)             \
    X(lblSpanWeight)                     \
    X(cboSpanWeight)                     \
    X(chkPreserveCase)                   \
    X(chkSpaceAfterComma)                \
    X(cmdReset)                          \
    X(lblIgnoreTheseWords)               \
    X(txbWordsToIgnore)                  \
    X(cmdClearWordsToIgnore)             \
    X(lblBeginMetaTagWith)               \
    X(txbBeginMetaTagWith)               \
    X(cmdClearBeginMetaTagWith)          \
    X(lblMaxNumKeywords)                 \
    X(txbMaxNumKeywordsInMetaTag)        \
    X(lblMaxNumBytes)                    \
    X(txbMaxNumBytesInMetaTag)           \
    X(cmdShowExistingKeywordMetaTag)     \
    X(cmdListWords)                      \
    X(cmdGenerateKeywordMetaTag)         \
    X(cmdHelp)                           \
    X(chkLargeWindow)                    \
    X(lblNumberOfWords)                  \
    X(txbMetaTag)                        \
    X(Frame1)                            \
    X(cmdClearOutput)                    \
    X(cmdCopyToClipboard)                \
    X(cmdInsert)                         \
    X(cmdQuit)                           \
    X(optInsertionWithBackup)            \
    X(optInsertionWithoutBackup)         \
    X(lblNotice)                         \
    X(lblQuorlanSystems)                 \
    X(lblQN_URL)                         \
    X(lblOnlineDocumentation)

enum class Control {
    None,
#define TAGSMITH_CONTROL_ENUMERATOR(name) name,
    TAGSMITH_MAIN_WINDOW_CONTROLS(TAGSMITH_CONTROL_ENUMERATOR)
#undef TAGSMITH_CONTROL_ENUMERATOR
};

// The control's name ("cmdInsert"); "" for Control::None.
std::string_view ControlName(Control control);
// The control of that name; Control::None when there is none.
Control ControlByName(std::string_view name);

}  // namespace tagsmith
