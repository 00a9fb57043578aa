#pragma once

#include "core/engine/MarkupContext.h"
#include "core/model/GeneratorSettings.h"

namespace tagsmith {

// The weight of one word occurrence in the given context, read from the weight lists now.
float OccurrenceWeight(const MarkupContext& context, const GeneratorSettings& settings);

}  // namespace tagsmith
