#include "core/window/SettingsController.h"

#include <array>

#include "core/editor/BackupPath.h"
#include "core/text/TextEncoding.h"
#include "core/window/LimitBoxes.h"
#include "core/window/SettingFields.h"

namespace tagsmith {

namespace {

constexpr const char* kGermanCaseQuestion =
    "For German text it is better to keep upper/lower case.\r\n\r\n"
    "Are you sure you want all keywords in lower case?";

constexpr std::array kSettingCheckBoxes = {Control::chkIgnoreCommonWords,
                                           Control::chkIgnoreShortWords, Control::chkPreserveCase,
                                           Control::chkSpaceAfterComma};

constexpr std::array kSettingTextBoxes = {
    Control::txbInputFile, Control::txbWordsToIgnore, Control::txbBeginMetaTagWith,
    Control::txbMaxNumKeywordsInMetaTag, Control::txbMaxNumBytesInMetaTag};

bool IsLimitBox(Control box) {
    return box == Control::txbMaxNumKeywordsInMetaTag || box == Control::txbMaxNumBytesInMetaTag;
}

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count) {
    const std::u32string characters = Utf8ToCodePoints(text);
    if (characters.size() <= count) return text;
    return CodePointsToUtf8(std::u32string_view(characters).substr(0, count));
}

}  // namespace

SettingsController::SettingsController(GeneratorSettings& settings, IgnoreList& ignoreList,
                                       MainWindowView& view, MessageBoxes& messages,
                                       SettingsHost& host)
    : m_settings(settings),
      m_ignoreList(ignoreList),
      m_view(view),
      m_messages(messages),
      m_host(host) {}

void SettingsController::FillSettingLists() {
    for (const Control list : kSettingLists) {
        m_view.SetListItems(list, SettingListItems(list));
        m_view.SetListIndex(list, *ListField(m_settings, list));
    }
    // The other controls show the settings as they stand before any default is applied.
    for (const Control box : kSettingCheckBoxes)
        m_view.SetChecked(box, *CheckField(m_settings, box));
    for (const Control box : kSettingTextBoxes) m_view.SetText(box, *TextField(m_settings, box));
    m_view.SetChecked(m_settings.optInsertionWithBackup ? Control::optInsertionWithBackup
                                                        : Control::optInsertionWithoutBackup,
                      true);
    // Selecting English runs the language's change handler, as every later change does.
    m_settings.cboLanguage = kEnglishPosition;
    m_view.SetListIndex(Control::cboLanguage, kEnglishPosition);
    LanguageChanged();
}

void SettingsController::RestoreDefaults(bool keepTexts) {
    m_host.InvalidateScan();
    if (!keepTexts) {
        SetText(Control::txbInputFile, "");
        SetText(Control::txbBeginMetaTagWith, "");
        SetText(Control::txbWordsToIgnore, "");
    }
    SetCheck(Control::chkIgnoreShortWords, true);
    SetCheck(Control::chkIgnoreCommonWords, true);
    SetCheck(Control::chkPreserveCase, true);
    SetCheck(Control::chkSpaceAfterComma, true);
    SelectOption(Control::optInsertionWithoutBackup);
    const GeneratorSettings defaults;
    SetList(Control::cboTitleWeight, defaults.cboTitleWeight);
    SetList(Control::cboDescriptionWeight, defaults.cboDescriptionWeight);
    SetList(Control::cboExistingKeywordsWeight, defaults.cboExistingKeywordsWeight);
    SetList(Control::cboBoldWeight, defaults.cboBoldWeight);
    SetList(Control::cboItalicWeight, defaults.cboItalicWeight);
    SetList(Control::cboTableWeight, defaults.cboTableWeight);
    SetList(Control::cboDivWeight, defaults.cboDivWeight);
    SetList(Control::cboSpanWeight, defaults.cboSpanWeight);
    SetList(Control::cboShortWordSize, defaults.cboShortWordSize);
    SetList(Control::cboThresholdFrequency, defaults.cboThresholdFrequency);
    SetText(Control::txbMaxNumKeywordsInMetaTag, std::to_string(kDefaultMaxKeywords));
    SetText(Control::txbMaxNumBytesInMetaTag, std::to_string(kDefaultMaxBytes));
}

void SettingsController::SetList(Control list, int index) {
    int* field = ListField(m_settings, list);
    if (field == nullptr || *field == index) return;
    *field = index;
    m_view.SetListIndex(list, index);
    ListChanged(list);
}

void SettingsController::SetCheck(Control checkBox, bool checked) {
    bool* field = CheckField(m_settings, checkBox);
    if (field == nullptr || checkBox == Control::chkLargeWindow || *field == checked) return;
    *field = checked;
    m_view.SetChecked(checkBox, checked);
    CheckChanged(checkBox);
}

void SettingsController::SelectOption(Control option) {
    const bool withBackup = option == Control::optInsertionWithBackup;
    if (m_settings.optInsertionWithBackup == withBackup) return;
    m_settings.optInsertionWithBackup = withBackup;
    m_view.SetChecked(option, true);
    m_host.PlaceFocus();
}

void SettingsController::SetText(Control box, const std::string& text) {
    std::string* field = TextField(m_settings, box);
    if (field == nullptr) return;
    // The limit boxes hold at most four characters, also when the program fills them.
    *field = IsLimitBox(box) ? FirstCharacters(text, 4) : text;
    m_view.SetText(box, *field);
}

void SettingsController::TextEdited(Control box, const std::string& text) {
    if (std::string* field = TextField(m_settings, box)) *field = text;
}

void SettingsController::LeaveWordsToIgnore() {
    SetText(Control::txbWordsToIgnore, m_ignoreList.Rebuild(m_settings.txbWordsToIgnore));
    m_host.InvalidateScan();
}

void SettingsController::LeaveMaxKeywords() {
    ApplyLimitCheck(Control::txbMaxNumKeywordsInMetaTag,
                    CheckMaxKeywordsBox(m_settings.txbMaxNumKeywordsInMetaTag));
}

void SettingsController::LeaveMaxBytes() {
    ApplyLimitCheck(Control::txbMaxNumBytesInMetaTag,
                    CheckMaxBytesBox(m_settings.txbMaxNumBytesInMetaTag));
}

void SettingsController::ApplyLimitCheck(Control box, const LimitBoxCheck& check) {
    SetText(box, check.stripped);
    if (check.message.empty()) {
        SetText(box, check.text);
        return;
    }
    m_messages.Show(check.message, check.title, check.icon, MessageButtons::Ok);
    SetText(box, check.text);
    if (check.refocus) {
        m_view.SetFocus(box);
        m_view.MoveCaretToEnd(box);
    }
}

void SettingsController::ShowBackupOptions() {
    if (AlwaysBackedUp(m_settings.txbInputFile)) {
        SelectOption(Control::optInsertionWithBackup);
        m_view.SetCaption(Control::optInsertionWithBackup, "with backup");
        m_view.SetVisible(Control::optInsertionWithoutBackup, false);
    } else {
        m_view.SetCaption(Control::optInsertionWithBackup, "with");
        m_view.SetVisible(Control::optInsertionWithoutBackup, true);
    }
}

void SettingsController::ReportCommonWordsMissing(int language) {
    m_host.ShowCommonWordsMissing(language);
    SetCheck(Control::chkIgnoreCommonWords, false);
}

void SettingsController::UpdateGermanSelected() {
    m_germanSelected = m_settings.cboLanguage == kGermanPosition;
}

void SettingsController::ListChanged(Control list) {
    if (list == Control::cboLanguage) {
        LanguageChanged();
        return;
    }
    m_host.InvalidateScan();
    m_host.PlaceFocus();
}

void SettingsController::CheckChanged(Control checkBox) {
    switch (checkBox) {
        case Control::chkIgnoreCommonWords:
            IgnoreCommonWordsChanged();
            break;
        case Control::chkPreserveCase:
            PreserveCaseChanged();
            break;
        case Control::chkIgnoreShortWords:
            m_host.InvalidateScan();
            m_host.PlaceFocus();
            break;
        default:  // chkSpaceAfterComma only shapes the composed tag
            m_host.PlaceFocus();
            break;
    }
}

void SettingsController::LanguageChanged() {
    const int language = m_settings.cboLanguage;
    if (m_host.CommonWordsMissing(language)) ReportCommonWordsMissing(language);
    // The language decides more than the common words (the English negated stems), so a
    // finished scan is stale whether or not the box was switched off just now.
    m_host.InvalidateScan();
    UpdateGermanSelected();
    m_host.PlaceFocus();
}

void SettingsController::IgnoreCommonWordsChanged() {
    if (!m_host.IsStartupComplete() || m_switchingOffCommonWords) return;
    const int language = m_settings.cboLanguage;
    if (m_settings.chkIgnoreCommonWords && m_host.CommonWordsMissing(language)) {
        m_switchingOffCommonWords = true;
        ReportCommonWordsMissing(language);
        m_switchingOffCommonWords = false;
    }
    m_host.InvalidateScan();
    m_host.PlaceFocus();
}

void SettingsController::PreserveCaseChanged() {
    if (!m_settings.chkPreserveCase && m_germanSelected) {
        const MessageResult answer = m_messages.Show(
            kGermanCaseQuestion, "Confirmation", MessageIcon::None, MessageButtons::YesNoCancel);
        if (answer != MessageResult::Yes) SetCheck(Control::chkPreserveCase, true);
    }
    m_host.InvalidateScan();
    m_host.PlaceFocus();
}

}  // namespace tagsmith
