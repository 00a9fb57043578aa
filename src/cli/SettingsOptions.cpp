#include "cli/SettingsOptions.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <vector>

namespace tagsmith {

namespace {

// Accepts a whole number from low to high that is low plus a multiple of step.
CLI::Validator NumberIn(int low, int high, int step = 1) {
    std::string description = std::to_string(low) + ".." + std::to_string(high);
    if (step > 1) description += " in steps of " + std::to_string(step);
    return CLI::Validator(
        [=](std::string& text) -> std::string {
            int value = 0;
            const char* const end = text.data() + text.size();
            const auto [stop, error] = std::from_chars(text.data(), end, value);
            if (error != std::errc() || stop != end || value < low || value > high ||
                (value - low) % step != 0) {
                return "Value " + text + " is not in " + description;
            }
            return {};
        },
        "");  // the option's help text states the range
}

void AddNumber(CLI::App& command, const std::string& name, int& value, int low, int high,
               const std::string& what, int step = 1) {
    command
        .add_option(name, value,
                    what + " (" + std::to_string(low) + " to " + std::to_string(high) +
                        (step > 1 ? " in steps of " + std::to_string(step) : "") + "; default " +
                        std::to_string(value) + ")")
        ->type_name("N")
        ->check(NumberIn(low, high, step));
}

// Refuses a text with a line break or another control character: the text becomes part of a tag
// that must stay on one line.
CLI::Validator OnOneLine() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            for (std::size_t i = 0; i < text.size(); ++i) {
                const auto c = static_cast<unsigned char>(text[i]);
                const bool c1 = c == 0xC2 && i + 1 < text.size() &&
                                static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                                static_cast<unsigned char>(text[i + 1]) <= 0x9F;
                if (c < 0x20 || c == 0x7F || c1) {
                    return "Value holds a line break or another control character";
                }
            }
            return {};
        },
        "");
}

int PositionOf(std::string_view code) {
    if (code == "auto") return kAutomaticLanguagePosition;
    for (std::size_t i = 0; i < kLanguageCodes.size(); ++i) {
        if (kLanguageCodes[i] == code) return static_cast<int>(i);
    }
    return kEnglishPosition;
}

// One of `codes`; the help names them in the option's text, not in a long unbreakable set.
CLI::Validator OneOf(std::vector<std::string> codes) {
    return CLI::Validator(
        [codes = std::move(codes)](std::string& value) -> std::string {
            for (const std::string& code : codes) {
                if (code == value) return {};
            }
            return "Not a language code: " + value;
        },
        "");
}

std::string JoinedCodes(const std::vector<std::string>& codes) {
    std::string joined;
    for (const std::string& code : codes) joined += (joined.empty() ? "" : ", ") + code;
    return joined;
}

}  // namespace

void AddSettingsOptions(CLI::App& command, SettingsOptions& options) {
    std::vector<std::string> codes;
    for (const std::string_view code : kLanguageCodes) {
        if (code != "xx") codes.emplace_back(code);
    }
    const std::vector<std::string> fallbackCodes = codes;
    codes.insert(codes.end(), {"xx", "auto"});
    command
        .add_option("--language", options.language,
                    "Language of the common words to leave out: " + JoinedCodes(fallbackCodes) +
                        "; xx for your own list cmwds_xx.txt; auto for each document's own "
                        "(its <html lang> or Content-Language), else the fallback language "
                        "(default en)")
        ->type_name("CODE")
        ->check(OneOf(codes));
    command
        .add_option("--fallback-language", options.fallbackLanguage,
                    "Language of a document that declares none, with --language auto "
                    "(default en)")
        ->type_name("CODE")
        ->check(OneOf(fallbackCodes));
    command.add_flag("--no-common-words", options.noCommonWords,
                     "Keep common words (default: common words are left out)");
    AddNumber(command, "--short-words", options.shortWords, 1, 9,
              "Leave out words of at most N characters");
    command.add_flag("--no-short-words", options.noShortWords,
                     "Keep short words (default: short words are left out)");
    AddNumber(command, "--min-frequency", options.minFrequency, 1, 9,
              "Leave out words seen fewer than N times");
    AddNumber(command, "--title-weight", options.titleWeight, 10, 90, "Weight of the title", 10);
    AddNumber(command, "--description-weight", options.descriptionWeight, 10, 90,
              "Weight of the description meta tag", 10);
    AddNumber(command, "--keywords-weight", options.keywordsWeight, 0, 90,
              "Weight of an existing keywords meta tag", 10);
    AddNumber(command, "--bold-weight", options.boldWeight, 1, 9, "Weight of bold text");
    AddNumber(command, "--italic-weight", options.italicWeight, 1, 9, "Weight of italic text");
    AddNumber(command, "--table-weight", options.tableWeight, 0, 9, "Weight of text in tables");
    AddNumber(command, "--div-weight", options.divWeight, 0, 9, "Weight of text in DIV blocks");
    AddNumber(command, "--span-weight", options.spanWeight, 0, 9, "Weight of text in SPAN blocks");
    command.add_flag("--lower-case", options.lowerCase,
                     "Write every keyword in lower case (default: keep upper/lower case)");
    command.add_flag("--no-space-after-comma", options.noSpaceAfterComma,
                     "Separate the keywords by commas alone (default: comma and space)");
    command
        .add_option("--ignore", options.ignore,
                    "Words to ignore, separated by spaces or commas (default: none)")
        ->type_name("TEXT")
        ->check(OnOneLine());
    command
        .add_option("--begin", options.begin,
                    "Phrases the meta tag begins with, separated by commas (default: none)")
        ->type_name("TEXT")
        ->check(OnOneLine());
    AddNumber(command, "--max-keywords", options.maxKeywords, kMinKeywords, kMaxKeywords,
              "Most keywords in the meta tag");
    AddNumber(command, "--max-bytes", options.maxBytes, 0, kMaxBytes,
              "Longest meta tag in bytes as the document gets it (one for each character "
              "Windows-1252 holds), 0 for no limit");
}

void ApplySettingsOptions(const SettingsOptions& options, CliContext& context) {
    GeneratorSettings& settings = context.settings;
    settings.cboLanguage = PositionOf(options.language);
    settings.FallbackLanguage = PositionOf(options.fallbackLanguage);
    settings.chkIgnoreCommonWords = !options.noCommonWords;
    settings.chkIgnoreShortWords = !options.noShortWords;
    settings.cboShortWordSize = options.shortWords - 1;
    settings.cboThresholdFrequency = options.minFrequency - 1;
    settings.cboTitleWeight = options.titleWeight / 10 - 1;
    settings.cboDescriptionWeight = options.descriptionWeight / 10 - 1;
    settings.cboExistingKeywordsWeight = options.keywordsWeight / 10;
    settings.cboBoldWeight = options.boldWeight - 1;
    settings.cboItalicWeight = options.italicWeight - 1;
    settings.cboTableWeight = options.tableWeight;
    settings.cboDivWeight = options.divWeight;
    settings.cboSpanWeight = options.spanWeight;
    settings.chkPreserveCase = !options.lowerCase;
    settings.chkSpaceAfterComma = !options.noSpaceAfterComma;
    settings.txbWordsToIgnore = context.ignoreList.Rebuild(options.ignore.value_or(""));
    settings.txbBeginMetaTagWith = options.begin;
    settings.txbMaxNumKeywordsInMetaTag = std::to_string(options.maxKeywords);
    settings.txbMaxNumBytesInMetaTag = std::to_string(options.maxBytes);
}

}  // namespace tagsmith
