#pragma once

#include <string>

namespace tagsmith {

// The output-box text as the console shows it: each CR LF written as "\n", then one "\n".
std::string ConsoleReport(const std::string& outputText);

}  // namespace tagsmith
