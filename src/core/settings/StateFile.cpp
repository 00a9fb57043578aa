#include "core/settings/StateFile.h"

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/settings/SettingFields.h"
#include "core/settings/StateFileFormat.h"
#include "core/text/FileUtilities.h"
#include "core/text/SafeFileWriter.h"

namespace tagsmith {

namespace {

constexpr int kShortNameText = 2;
constexpr int kDataFolderNameText = 310;
// A state file is a few hundred bytes; anything far larger is not one.
constexpr std::uintmax_t kMaxStateFileSize = 1 << 20;

std::string AsciiLower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool ReadSmallFile(const std::string& path, std::string& bytes) {
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) return false;
    if (std::filesystem::file_size(path, error) > kMaxStateFileSize || error) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Applies one number line to its control; false when the control cannot take the value.
bool ApplyNumber(SettingsController& controller, Control control, int value) {
    if (control == Control::optInsertionWithBackup) {
        controller.SelectOption(value == 1 ? Control::optInsertionWithBackup
                                           : Control::optInsertionWithoutBackup);
        return true;
    }
    if (control == Control::chkIgnoreShortWords || control == Control::chkIgnoreCommonWords ||
        control == Control::chkPreserveCase || control == Control::chkSpaceAfterComma) {
        if (value != 0 && value != 1) return false;
        controller.SetCheck(control, value == 1);
        return true;
    }
    const auto count = static_cast<int>(SettingListItems(control).size());
    if (value < 0 || value >= count) return false;
    controller.SetList(control, value);
    return true;
}

}  // namespace

void StateFile::SetStatePath(const ProgramText& texts) {
    const std::string fileName = AsciiLower(texts.GetText(kShortNameText)) + ".usr";
    try {
        m_path = UserDataFilePath(fileName, texts.GetText(kDataFolderNameText));
        m_pathError.clear();
    } catch (const std::filesystem::filesystem_error& error) {
        m_path.clear();
        m_pathError = error.code().message();
    }
}

std::string StateFile::Save(const GeneratorSettings& settings, FileSystemCalls& files) const {
    std::string failure = m_pathError;
    if (!m_path.empty()) {
        try {
            SafeFileWriter writer(files, m_path,
                                  {.newFileMode = 0600, .like = nullptr, .expected = std::nullopt});
            writer.Write(FormatStateFile(settings));
            writer.Commit();
            return {};
        } catch (const std::system_error& error) {
            failure = error.code().message();
        } catch (const std::exception& error) {
            failure = error.what();
        }
    } else if (failure.empty()) {
        failure = std::generic_category().message(ENOENT);
    }
    return kSaveStateError + failure;
}

void StateFile::SaveState(const GeneratorSettings& settings, MessageBoxes& messages,
                          FileSystemCalls& files) const {
    const std::string failure = Save(settings, files);
    if (failure.empty()) return;
    messages.Show(failure, kSaveStateTitle, MessageIcon::Exclamation, MessageButtons::Ok);
}

bool StateFile::RestoreState(SettingsController& controller) const {
    std::string bytes;
    if (!ReadSmallFile(m_path, bytes)) return false;
    const std::vector<std::string> lines = SplitStateFileLines(bytes);
    for (std::size_t i = 0; i < kStateLines.size(); ++i) {
        if (i >= lines.size()) return false;
        const StateLine& line = kStateLines[i];
        if (line.kind == StateValueKind::Text) {
            controller.SetText(line.control, DecodeTextValue(lines[i]));
            if (line.control == Control::txbWordsToIgnore) controller.LeaveWordsToIgnore();
            continue;
        }
        const std::optional<int> value = DecodeNumberValue(lines[i]);
        if (!value || !ApplyNumber(controller, line.control, *value)) return false;
    }
    controller.ShowBackupOptions();
    return true;
}

}  // namespace tagsmith
