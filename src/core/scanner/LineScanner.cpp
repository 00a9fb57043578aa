#include "core/scanner/LineScanner.h"

#include <array>

#include "core/scanner/BlockSkipping.h"
#include "core/scanner/FontTags.h"
#include "core/scanner/MarkupMarkers.h"
#include "core/scanner/TagProcessor.h"
#include "core/scanner/WordCutter.h"
#include "core/text/CharacterRules.h"
#include "core/text/StringOperations.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {
namespace {

constexpr std::array<BlockKind, 3> kBlockKinds = {BlockKind::Table, BlockKind::Div,
                                                  BlockKind::Span};

bool AtEndOfLine(const ScanState& state) {
    const std::string& line = state.CurrentLine;
    return state.Position >= line.size() ||
           (state.Position == line.size() - 1 && line[state.Position] == ' ');
}

// A TABLE, DIV or SPAN tag at the position: counted when the block is weighed, skipped with its
// whole block when its weight is 0. Returns false when a skipped block goes on past this line.
bool FollowBlockTag(ScanState& state, const GeneratorSettings& settings, BlockKind kind) {
    // The start tag is "<" and the name, the end tag "</" and the name: look at the first
    // letter of the name before comparing the whole tag.
    const std::string& line = state.CurrentLine;
    const std::size_t pos = state.Position;
    if (pos + 2 >= line.size() || line[pos] != '<') return true;
    const BlockTags tags = TagsOf(kind);
    const char next = FoldCase(line[pos + 1]);
    const bool mayOpen = next == tags.open[1];
    const bool mayClose = next == '/' && FoldCase(line[pos + 2]) == tags.close[2];
    if (!mayOpen && !mayClose) return true;
    const bool weighed = WeightPositionOf(settings, kind) >= 1;
    std::int32_t& depth = DepthOf(state, kind);
    if (mayOpen && MatchesAtIgnoringCase(line, pos, tags.open)) {
        if (weighed) {
            ++depth;
        } else {
            return SkipBlock(state, kind);
        }
    } else if (mayClose && MatchesAtIgnoringCase(line, pos, tags.close)) {
        if (weighed && depth > 0) --depth;
    }
    return true;
}

constexpr std::array<bool, 256> MakePassedOverTable() {
    std::array<bool, 256> passed{};
    for (std::size_t code = 0; code < 256; ++code) {
        // A byte from 0x80 on belongs to a character of several bytes: FollowCharacter judges it.
        const bool letter =
            (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code >= 0x80;
        const bool marker =
            (code >= 1 && code <= 7) || code == 11 || code == 12 || (code >= 14 && code <= 17);
        passed[code] = code != '<' && code != '>' && code != '&' && !marker && !letter;
    }
    return passed;
}

// A character that the line scanner only steps over when no tag, comment, script or block is
// being skipped: no tag bracket, no "&", no marker, no letter.
bool IsPassedOver(char c) {
    static constexpr std::array<bool, 256> kPassedOver = MakePassedOverTable();
    return kPassedOver[static_cast<unsigned char>(c)];
}

// The byte length of the character at pos (1 for a byte of no valid sequence).
std::size_t CharacterLength(std::string_view line, std::size_t pos) {
    if (pos >= line.size() || static_cast<unsigned char>(line[pos]) < 0x80) return 1;
    char32_t codePoint = 0;
    const std::size_t length = DecodeSequence(line, pos, codePoint);
    return length == 0 ? 1 : length;
}

// A marker character at the position switches its context; false for any other character.
bool FollowMarker(ScanState& state, char c) {
    switch (c) {
        case marker::kBoldStart:
            state.InBold = true;
            break;
        case marker::kBoldEnd:
            state.InBold = false;
            break;
        case marker::kItalicStart:
            state.InItalic = true;
            break;
        case marker::kItalicEnd:
            state.InItalic = false;
            break;
        case marker::kTitleStart:
            state.InTitle = true;
            break;
        case marker::kTitleEnd:
            state.InTitle = false;
            break;
        case marker::kHeadingEnd:
            state.HeadingWeight = 0;
            break;
        default:
            if (c < marker::kH6 || c > marker::kH1) return false;
            state.HeadingWeight = 5 * c;
            break;
    }
    ++state.Position;
    return true;
}

// An "&" that starts a run ending in ";" before the next space is an entity left undecoded.
bool SkipUndecodedEntity(ScanState& state) {
    const std::string& line = state.CurrentLine;
    // The ";" comes before the next space exactly when it is the first of the two.
    const std::size_t stop = state.LookAhead.FindSemicolonOrSpace(line, state.Position);
    if (stop >= line.size() || line[stop] != ';') return false;
    state.Position = stop + 1;
    return true;
}

// Skips a comment, style sheet or script (open, or starting at the position) to its closing
// text; true when it goes on past this line.
bool RegionGoesOn(ScanState& state, bool& inRegion, std::string_view closing) {
    inRegion = !SkipToClosingTag(state, closing);
    return inRegion;
}

// Handles the character at the position: a tag, the end of a tag, a marker, an undecoded entity,
// a word, or anything else stepped over. Returns false when a stop was asked for.
bool FollowCharacter(ScanContext& context) {
    ScanState& state = context.state;
    const std::string& line = state.CurrentLine;
    const char c = state.Position < line.size() ? line[state.Position] : '\0';
    if (state.InTag || c == '<') {
        state.InTag = true;
        ProcessTag(state, context.settings);
        return true;
    }
    if (c == '>') {
        state.FontTagOpen = false;
        state.InDescription = false;
        state.InExistingKeywords = false;
        ++state.Position;
        if (state.TagDepth > 0) --state.TagDepth;
        return true;
    }
    if (FollowMarker(state, c)) return true;
    if (c == '&' && SkipUndecodedEntity(state)) return true;
    if (WordCharLength(line, state.Position) > 0) {
        state.TotalWords += CutWord(context);
        if (context.events.RunPendingEvents()) state.StopRequested = true;
        return !state.StopRequested;
    }
    // Step over the whole run of such characters: nothing else changes while they are passed
    // one by one. The last character of the line is left to the end-of-line check.
    state.Position += CharacterLength(line, state.Position);
    while (state.Position + 1 < line.size() && IsPassedOver(line[state.Position])) {
        ++state.Position;
    }
    return true;
}

}  // namespace

void ScanLine(ScanContext& context) {
    ScanState& state = context.state;
    const GeneratorSettings& settings = context.settings;
    const std::string& line = state.CurrentLine;
    state.Position = 0;
    state.LookAhead.Forget();
    while (!AtEndOfLine(state)) {
        // Resume the skip of a weight-0 block that began on an earlier line.
        const bool skippedBlockOpen = (state.TableDepth > 0 && settings.cboTableWeight == 0) ||
                                      (state.DivDepth > 0 && settings.cboDivWeight == 0) ||
                                      (state.SpanDepth > 0 && settings.cboSpanWeight == 0);
        for (BlockKind kind : kBlockKinds) {
            if (skippedBlockOpen && DepthOf(state, kind) > 0 &&
                WeightPositionOf(settings, kind) == 0 && !SkipBlock(state, kind)) {
                return;
            }
        }
        if (state.FontTagOpen) {
            // A FONT start tag that went on from an earlier line ends here even when its ">"
            // is the line's last character (or missing).
            EndFontStartTag(state);
            state.FontTagOpen = false;
            state.InTag = false;
        }
        if (state.Position < line.size() && line[state.Position] == '<') {
            for (BlockKind kind : kBlockKinds) {
                if (!FollowBlockTag(state, settings, kind)) return;
            }
        }

        // Comments, style sheets and scripts open with "<".
        const bool atOpen = state.Position < line.size() && line[state.Position] == '<';
        if (state.InComment || (atOpen && MatchesAt(line, state.Position, "<!--"))) {
            if (RegionGoesOn(state, state.InComment, "-->")) return;
            continue;
        }
        if (state.InStyle || (atOpen && MatchesAtIgnoringCase(line, state.Position, "<style"))) {
            if (RegionGoesOn(state, state.InStyle, "</style>")) return;
            continue;
        }
        if (state.InScript || (atOpen && MatchesAtIgnoringCase(line, state.Position, "<script"))) {
            if (RegionGoesOn(state, state.InScript, "</script>")) return;
            continue;
        }
        if (!FollowCharacter(context)) return;
    }
}

}  // namespace tagsmith
