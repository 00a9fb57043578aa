#pragma once

#include <optional>
#include <string>

#include "cli/CliContext.h"

namespace CLI {
class App;
}

namespace tagsmith {

// The values of the settings options, as the window's lists show them (a weight of 90, not the
// list position 8). Defaults are the window's defaults.
struct SettingsOptions {
    std::string language = "en";
    std::string fallbackLanguage = "en";
    bool noCommonWords = false;
    int shortWords = 2;
    bool noShortWords = false;
    int minFrequency = 2;
    int titleWeight = 90;
    int descriptionWeight = 60;
    int keywordsWeight = 0;
    int boldWeight = 5;
    int italicWeight = 5;
    int tableWeight = 1;
    int divWeight = 2;
    int spanWeight = 2;
    bool lowerCase = false;
    bool noSpaceAfterComma = false;
    std::optional<std::string> ignore;
    std::string begin;
    int maxKeywords = 50;
    int maxBytes = 500;
};

// Adds the options that shape a scan and the composed tag to a subcommand.
void AddSettingsOptions(CLI::App& command, SettingsOptions& options);

// Puts the chosen values into the context's settings (list positions, check boxes, texts) and
// builds the ignore list the way the words-to-ignore box does when it is left.
void ApplySettingsOptions(const SettingsOptions& options, CliContext& context);

}  // namespace tagsmith
