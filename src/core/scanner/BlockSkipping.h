#pragma once

#include <cstdint>
#include <string_view>

#include "core/model/GeneratorSettings.h"
#include "core/scanner/ScanState.h"

namespace tagsmith {

// The blocks that can be weighed or, with weight 0, skipped whole.
enum class BlockKind { Table, Div, Span };

struct BlockTags {
    std::string_view open;   // lower case, without the closing ">" (attributes may follow)
    std::string_view close;  // lower case, complete
};

BlockTags TagsOf(BlockKind kind);
// The nesting depth of the block kind in the scan state.
std::int32_t& DepthOf(ScanState& state, BlockKind kind);
// The selected position of the block kind's weight list; 0 means the block is skipped whole.
int WeightPositionOf(const GeneratorSettings& settings, BlockKind kind);

// Skips a block from the scan position, counting nested blocks of the same kind; returns true
// when the depth came back to 0 in this line (the position is then after the end tag).
bool SkipBlock(ScanState& state, BlockKind kind);

// Moves past the closing text (ignoring case), searched from the scan position; returns false
// and moves to the end of the line when the line does not hold it.
bool SkipToClosingTag(ScanState& state, std::string_view closing);

}  // namespace tagsmith
