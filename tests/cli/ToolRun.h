#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLineTool.h"

namespace tagsmith::test {

// What one in-process run of the command-line tool gave.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline ToolRun RunTool(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLineTool(arguments, out, err);
    return {status, out.str(), err.str()};
}

// Runs the tool on the words of the line.
inline ToolRun RunTool(const std::string& line) {
    std::vector<std::string> arguments;
    std::istringstream words(line);
    for (std::string word; words >> word;) arguments.push_back(word);
    return RunTool(arguments);
}

}  // namespace tagsmith::test
