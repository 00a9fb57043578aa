#include "core/editor/ShowExistingKeywordMetaTag.h"

#include "core/editor/EditorTexts.h"
#include "core/editor/HeadMetaTagReader.h"
#include "core/text/FileUtilities.h"
#include "core/text/StringOperations.h"

namespace tagsmith {

std::optional<HeadTags> ShowExistingHeadTags(std::string& inputFile, MessageBoxes& messages,
                                             bool trimInputFile) {
    if (trimInputFile) inputFile = std::string(TrimSpaces(inputFile));
    if (inputFile.empty()) {
        messages.Show(kInputFileNotSpecified, kErrorTitle, MessageIcon::Exclamation);
        return std::nullopt;
    }
    if (PathExists(inputFile) && !FileExists(inputFile)) {
        messages.Show(inputFile + kNotRegularFile, kErrorTitle, MessageIcon::Exclamation);
        return std::nullopt;
    }
    if (!FileExists(inputFile)) {
        messages.Show(kInputFileNotFound, kFileNotFoundTitle, MessageIcon::Exclamation);
        return std::nullopt;
    }
    return ReadHeadTags(inputFile);
}

}  // namespace tagsmith
