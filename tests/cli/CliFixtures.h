#pragma once

#include <cstdlib>
#include <filesystem>

#include "fakes/TestSupport.h"

namespace tagsmith::test {

// The documents and expected outputs of the command-line tests (tests/cli/fixtures).
inline std::filesystem::path CliFixtureFolder() {
    if (std::getenv("TAGSMITH_SOURCE_DIR") != nullptr) {
        return SourceFolder() / "tests" / "cli" / "fixtures";
    }
    return std::filesystem::path(__FILE__).parent_path() / "fixtures";
}

}  // namespace tagsmith::test
