#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tagsmith {

// tagsmith-cli: generate, list, show and insert on the console. Returns the exit status.
int RunCommandLineTool(int argc, char** argv);
// The same with the arguments after the program name and the given streams, so that tests can
// run the tool in-process.
int RunCommandLineTool(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err);

}  // namespace tagsmith
