#include "core/scanner/BlockSkipping.h"

#include "core/text/StringOperations.h"

namespace tagsmith {

BlockTags TagsOf(BlockKind kind) {
    switch (kind) {
        case BlockKind::Table:
            return {"<table", "</table>"};
        case BlockKind::Div:
            return {"<div", "</div>"};
        case BlockKind::Span:
            break;
    }
    return {"<span", "</span>"};
}

std::int32_t& DepthOf(ScanState& state, BlockKind kind) {
    switch (kind) {
        case BlockKind::Table:
            return state.TableDepth;
        case BlockKind::Div:
            return state.DivDepth;
        case BlockKind::Span:
            break;
    }
    return state.SpanDepth;
}

int WeightPositionOf(const GeneratorSettings& settings, BlockKind kind) {
    switch (kind) {
        case BlockKind::Table:
            return settings.cboTableWeight;
        case BlockKind::Div:
            return settings.cboDivWeight;
        case BlockKind::Span:
            break;
    }
    return settings.cboSpanWeight;
}

bool SkipBlock(ScanState& state, BlockKind kind) {
    const BlockTags tags = TagsOf(kind);
    std::int32_t& depth = DepthOf(state, kind);
    const std::string& line = state.CurrentLine;
    do {
        if (MatchesAtIgnoringCase(line, state.Position, tags.open)) {
            ++depth;
            state.Position += tags.open.size();
        } else if (MatchesAtIgnoringCase(line, state.Position, tags.close)) {
            --depth;
            state.Position += tags.close.size();
            if (depth == 0) return true;
        } else {
            ++state.Position;
        }
    } while (state.Position < line.size());
    return false;
}

bool SkipToClosingTag(ScanState& state, std::string_view closing) {
    const std::size_t found = FindIgnoringCase(state.CurrentLine, state.Position, closing);
    if (found == std::string_view::npos) {
        state.Position = state.CurrentLine.size();
        return false;
    }
    state.Position = found + closing.size();
    return true;
}

}  // namespace tagsmith
