#pragma once

namespace tagsmith {

// tagsmith-cli: generate, list, show and insert on the console. Returns the exit status.
int RunCommandLineTool(int argc, char** argv);

}  // namespace tagsmith
