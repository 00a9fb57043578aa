#include "core/window/SettingFields.h"

namespace tagsmith {

namespace {

std::vector<std::string> Numbers(int first, int last, int step) {
    std::vector<std::string> items;
    for (int i = first; i <= last; ++i) items.push_back(std::to_string(i * step));
    return items;
}

}  // namespace

std::vector<std::string> SettingListItems(Control list) {
    switch (list) {
        case Control::cboTitleWeight:
        case Control::cboDescriptionWeight:
            return Numbers(1, 9, 10);
        case Control::cboExistingKeywordsWeight:
            return Numbers(0, 9, 10);
        case Control::cboBoldWeight:
        case Control::cboItalicWeight:
        case Control::cboShortWordSize:
        case Control::cboThresholdFrequency:
            return Numbers(1, 9, 1);
        case Control::cboTableWeight:
        case Control::cboDivWeight:
        case Control::cboSpanWeight:
            return Numbers(0, 9, 1);
        case Control::cboLanguage: {
            std::vector<std::string> names(kLanguageNames.begin(), kLanguageNames.end());
            names.emplace_back("Automatic");  // kAutomaticLanguagePosition
            return names;
        }
        default:
            return {};
    }
}

int* ListField(GeneratorSettings& settings, Control list) {
    switch (list) {
        case Control::cboLanguage:
            return &settings.cboLanguage;
        case Control::cboShortWordSize:
            return &settings.cboShortWordSize;
        case Control::cboThresholdFrequency:
            return &settings.cboThresholdFrequency;
        case Control::cboTitleWeight:
            return &settings.cboTitleWeight;
        case Control::cboDescriptionWeight:
            return &settings.cboDescriptionWeight;
        case Control::cboExistingKeywordsWeight:
            return &settings.cboExistingKeywordsWeight;
        case Control::cboBoldWeight:
            return &settings.cboBoldWeight;
        case Control::cboItalicWeight:
            return &settings.cboItalicWeight;
        case Control::cboTableWeight:
            return &settings.cboTableWeight;
        case Control::cboDivWeight:
            return &settings.cboDivWeight;
        case Control::cboSpanWeight:
            return &settings.cboSpanWeight;
        default:
            return nullptr;
    }
}

bool* CheckField(GeneratorSettings& settings, Control checkBox) {
    switch (checkBox) {
        case Control::chkIgnoreCommonWords:
            return &settings.chkIgnoreCommonWords;
        case Control::chkIgnoreShortWords:
            return &settings.chkIgnoreShortWords;
        case Control::chkPreserveCase:
            return &settings.chkPreserveCase;
        case Control::chkSpaceAfterComma:
            return &settings.chkSpaceAfterComma;
        case Control::chkLargeWindow:
            return &settings.chkLargeWindow;
        default:
            return nullptr;
    }
}

std::string* TextField(GeneratorSettings& settings, Control textBox) {
    switch (textBox) {
        case Control::txbInputFile:
            return &settings.txbInputFile;
        case Control::txbWordsToIgnore:
            return &settings.txbWordsToIgnore;
        case Control::txbBeginMetaTagWith:
            return &settings.txbBeginMetaTagWith;
        case Control::txbMaxNumKeywordsInMetaTag:
            return &settings.txbMaxNumKeywordsInMetaTag;
        case Control::txbMaxNumBytesInMetaTag:
            return &settings.txbMaxNumBytesInMetaTag;
        default:
            return nullptr;
    }
}

// The read-only accessors share the mapping above; nothing is written through them.
const int* ListField(const GeneratorSettings& settings, Control list) {
    return ListField(const_cast<GeneratorSettings&>(settings), list);
}

const bool* CheckField(const GeneratorSettings& settings, Control checkBox) {
    return CheckField(const_cast<GeneratorSettings&>(settings), checkBox);
}

const std::string* TextField(const GeneratorSettings& settings, Control textBox) {
    return TextField(const_cast<GeneratorSettings&>(settings), textBox);
}

}  // namespace tagsmith
