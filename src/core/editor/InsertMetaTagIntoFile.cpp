#include "core/editor/InsertMetaTagIntoFile.h"

#include "core/editor/EditorTexts.h"
#include "core/editor/GetMetaTag.h"
#include "core/engine/MetaTagComposer.h"
#include "core/text/AsciiLowerCase.h"
#include "core/text/FileUtilities.h"
#include "core/text/StringOperations.h"

namespace tagsmith {

namespace {

// True when the text looks like the composer's output: the count line, the quoted name and a
// meta tag, in any letter case.
bool HoldsComposedTag(const std::string& text) {
    const std::string lower = AsciiLowerCase(text);
    return lower.find("number of keywords in meta tag") != std::string::npos &&
           lower.find("\"keywords\"") != std::string::npos &&
           lower.find("<meta ") != std::string::npos;
}

InsertOutcome Refuse(MessageBoxes& messages, const std::string& prompt, MessageIcon icon) {
    messages.Show(prompt, kInsertCaption, icon);
    return InsertOutcome::Refused;
}

}  // namespace

InsertOutcome InsertMetaTagIntoFile(const InsertEnvironment& environment) {
    GeneratorSettings& settings = environment.settings;
    MessageBoxes& messages = environment.messages;
    OutputBox& output = environment.output;

    if (environment.trimInputFile) {
        settings.txbInputFile = std::string(TrimSpaces(settings.txbInputFile));
    }
    if (settings.txbInputFile.empty()) {
        return Refuse(messages, environment.texts.GetText(kNoInputFileTextNumber),
                      MessageIcon::Exclamation);
    }
    output.SetText(std::string(TrimSpaces(output.Text())));
    if (output.Text().empty()) return Refuse(messages, kNothingToInsert, MessageIcon::Exclamation);
    if (!environment.session.ScanIsCurrent || environment.session.Table.WordCount() == 0) {
        return Refuse(messages, kTagNotGenerated, MessageIcon::Information);
    }
    if (!FileExists(settings.txbInputFile)) {
        if (PathExists(settings.txbInputFile)) {
            return Refuse(messages, settings.txbInputFile + kNotRegularFile,
                          MessageIcon::Exclamation);
        }
        return Refuse(messages, kFileNotFound, MessageIcon::Exclamation);
    }
    std::string tag;
    if (HoldsComposedTag(output.Text())) {
        tag = GetMetaTag(output.Text());
    } else {
        // The fresh tag goes in as composed: the box text is only its view, and a begin phrase
        // holding the count line's words must not cut it short.
        const ComposedMetaTag composed = ComposeMetaTag(environment.session.Table, settings,
                                                         environment.session.State.Encoding);
        output.SetText(environment.formatComposed(composed, settings));
        tag = composed.tag;
    }
    // An edited box can leave nothing before the count line; writing an empty tag would only
    // delete the document's keywords tag.
    if (tag.empty()) return Refuse(messages, kNothingToInsert, MessageIcon::Exclamation);
    return InsertTagIntoDocument(settings.txbInputFile, tag, settings.optInsertionWithBackup,
                                 messages, environment.files, environment.scannedVersion);
}

}  // namespace tagsmith
