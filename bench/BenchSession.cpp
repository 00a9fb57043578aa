#include "BenchSession.h"

#include <sstream>

#include "core/text/FileUtilities.h"
#include "core/window/ComposedTagText.h"
#include "core/window/WordListText.h"
#include "platform/console/ConsoleMessageBoxes.h"

namespace tagsmith::bench {

BenchSession::BenchSession() {
    commonWords.LoadAllCommonWords(ProgramDataFolder());
    if (!commonWords.IsLoaded(settings.cboLanguage)) settings.chkIgnoreCommonWords = false;
    ignoreList.Rebuild("");
}

bool BenchSession::Process(const std::string& fileName, bool generate, std::string& report) {
    std::ostringstream refusals;
    ConsoleMessageBoxes messages(refusals);
    settings.txbInputFile = fileName;
    session.ScanIsCurrent = false;
    const ScanEnvironment environment{settings, commonWords, ignoreList, texts,
                                      messages, output,      view,       events};
    if (ProcessInputFile(session, environment)) {
        output.SetText(generate ? ComposeKeywordsMetaTag(session.Table, settings, session.State.Encoding)
                                : ListWords(session.Table, session.State.TotalWords, settings));
    }
    if (messages.ShownCount() > 0) {
        report = refusals.str();
        return false;
    }
    report = output.Text();
    return true;
}

}  // namespace tagsmith::bench
