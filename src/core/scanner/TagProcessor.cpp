#include "core/scanner/TagProcessor.h"

#include "core/scanner/FontTags.h"
#include "core/scanner/MetaTags.h"
#include "core/scanner/PhpSections.h"
#include "core/text/StringOperations.h"

namespace tagsmith {

void ProcessTag(ScanState& state, const GeneratorSettings& settings) {
    const std::string& line = state.CurrentLine;
    while (state.Position < line.size()) {
        const char c = line[state.Position];
        if (c == '>') {
            const std::int32_t depthBefore = state.TagDepth--;
            ++state.Position;
            if (depthBefore == 1) {
                state.InTag = false;
                return;
            }
        } else if (c == '<') {
            ++state.TagDepth;
            state.Position = SkipSpaces(line, state.Position);
            if (state.Position >= line.size()) return;
            if (line[state.Position] == '?') {
                SkipPhpSection(state);
                state.InTag = false;
                return;
            }
            if (MatchesAtIgnoringCase(line, state.Position, "meta ")) {
                ProcessMetaTag(state, settings);
                state.InTag = false;
                return;
            }
            if (MatchesAtIgnoringCase(line, state.Position, "font")) {
                ProcessFontTag(state);
                if (!state.InTag) return;
            } else if (MatchesAtIgnoringCase(line, state.Position, "/font")) {
                ProcessFontEndTag(state);
                --state.TagDepth;
                state.InTag = false;
                return;
            } else {
                ++state.Position;
            }
        } else {
            state.Position = FindAnyOf(line, state.Position, "<>");
        }
    }
}

}  // namespace tagsmith
