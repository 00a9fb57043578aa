#include "cli/ProgramData.h"

#include <string>

#include "core/text/FileUtilities.h"
#include "platform/console/ConsoleMessageBoxes.h"

namespace tagsmith {

bool LoadProgramData(CliContext& context, const std::filesystem::path& dataFolder) {
    context.dataFolder = dataFolder.empty() ? ProgramDataFolder() : dataFolder;
    std::string message;
    if (!LoadProgramText(context.texts, context.dataFolder, message)) {
        context.err << ConsoleMessageBoxes::FormatLine(message, "") << '\n';
        return false;
    }
    context.texts.SetUILanguage(ProgramText::kEnglish);
    context.commonWords.LoadAllCommonWords(context.dataFolder);
    return true;
}

void SwitchOffMissingCommonWords(CliContext& context) {
    GeneratorSettings& settings = context.settings;
    if (!settings.chkIgnoreCommonWords || settings.cboLanguage == kAutomaticLanguagePosition ||
        context.commonWords.IsLoaded(settings.cboLanguage)) {
        return;
    }
    context.err << ConsoleMessageBoxes::FormatLine(
                       CommonWordsMissingMessage(settings.cboLanguage, context.dataFolder),
                       kCommonWordsMissingTitle)
                << '\n';
    settings.chkIgnoreCommonWords = false;
}

}  // namespace tagsmith
