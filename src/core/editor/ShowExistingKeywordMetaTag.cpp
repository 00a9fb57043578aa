#include "core/editor/ShowExistingKeywordMetaTag.h"

#include "core/editor/EditorTexts.h"
#include "core/editor/HeadMetaTagReader.h"
#include "core/scanner/StringOperations.h"
#include "core/text/FileUtilities.h"

namespace tagsmith {

void ShowExistingKeywordMetaTag(std::string& inputFile, OutputBox& output, MessageBoxes& messages,
                                bool trimInputFile) {
    if (trimInputFile) inputFile = std::string(TrimSpaces(inputFile));
    if (inputFile.empty()) {
        messages.Show(kInputFileNotSpecified, kErrorTitle, MessageIcon::Exclamation);
        return;
    }
    if (PathExists(inputFile) && !FileExists(inputFile)) {
        messages.Show(inputFile + kNotRegularFile, kErrorTitle, MessageIcon::Exclamation);
        return;
    }
    if (!FileExists(inputFile)) {
        messages.Show(kInputFileNotFound, kFileNotFoundTitle, MessageIcon::Exclamation);
        return;
    }
    output.SetText(ReadHeadMetaTags(inputFile));
}

}  // namespace tagsmith
