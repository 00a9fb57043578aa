#include "core/scanner/MetaTags.h"

#include <string_view>

#include "core/scanner/PhpSections.h"
#include "core/scanner/RestOfLineLookAhead.h"
#include "core/text/StringOperations.h"

namespace tagsmith {
namespace {

constexpr std::string_view kMeta = "meta ";
constexpr std::string_view kContent = "content";
constexpr std::size_t kNotFound = std::string_view::npos;

}  // namespace

void ProcessMetaTag(ScanState& state, const GeneratorSettings& settings) {
    const std::string& line = state.CurrentLine;
    state.InDescription = false;
    state.InExistingKeywords = false;
    state.Position += kMeta.size();

    const MetaName name = state.LookAhead.MetaNameInRest(line, state.Position);
    if (name == MetaName::Description) {
        const std::size_t content = state.LookAhead.FindContentIgnoringCase(line, state.Position);
        if (content != kNotFound) {
            state.InDescription = true;
            state.Position = content + kContent.size();
        }
    } else if (name == MetaName::Keywords && settings.cboExistingKeywordsWeight >= 1) {
        // Matched with case: a CONTENT attribute is found only in a lower-cased line.
        const std::size_t content = state.LookAhead.FindContent(line, state.Position);
        if (content != kNotFound) {
            state.InExistingKeywords = true;
            state.Position = content + kContent.size();
        }
    }
    if (state.InDescription || state.InExistingKeywords) return;

    SkipPhpSectionsInTag(state);
    state.Position = FindAnyOf(line, state.Position, ">");
    if (state.Position < line.size() - 1) {
        --state.TagDepth;
        ++state.Position;
    }
}

}  // namespace tagsmith
