#include "core/pipeline/InputValidation.h"

#include <filesystem>
#include <system_error>

#include "core/text/FileUtilities.h"

namespace tagsmith {
namespace {

// Shows the refusal, or during start-up clears the input file box instead.
void Refuse(const ScanEnvironment& environment, const std::string& prompt, const std::string& title,
            MessageIcon icon) {
    if (!environment.startupComplete) {
        environment.settings.txbInputFile.clear();
        return;
    }
    environment.messages.Show(prompt, title, icon, MessageButtons::Ok);
}

void MoveToFolderOf(const std::string& fileName) {
    const std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    if (folder.empty() || !FolderExists(folder.string())) return;
    std::error_code ignored;
    std::filesystem::current_path(folder, ignored);
}

}  // namespace

bool IsDocumentExtension(const std::string& extension) {
    return extension.find("htm") != std::string::npos || extension == "php";
}

bool ValidateInputFile(const std::string& fileName, const ScanEnvironment& environment) {
    // A folder, a FIFO or a device is never opened (reading a FIFO would wait for a writer).
    if (PathExists(fileName) && !FileExists(fileName)) {
        Refuse(environment, fileName + kNotRegularFilePrompt, kInvalidInputTitle,
               MessageIcon::Exclamation);
        return false;
    }
    const std::string extension = FileExtension(fileName, true);
    if (extension.empty()) {
        Refuse(environment, kInvalidInputPrompt, kInvalidInputTitle, MessageIcon::Exclamation);
        return false;
    }
    if (!IsDocumentExtension(extension)) {
        Refuse(environment, environment.texts.GetText(3), environment.texts.GetText(4),
               MessageIcon::None);
        return false;
    }
    if (FileExists(fileName)) return true;
    if (!environment.startupComplete) MoveToFolderOf(fileName);
    Refuse(environment, environment.texts.GetText(5), environment.texts.GetText(6),
           MessageIcon::Exclamation);
    return false;
}

}  // namespace tagsmith
