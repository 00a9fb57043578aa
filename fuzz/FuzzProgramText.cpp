// The program-text file (zpm.dat).
#include <cstdint>

#include "FuzzInput.h"
#include "core/text/ProgramText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path =
        tagsmith::fuzz::WriteInputFile(tagsmith::fuzz::AsView(data, size), ".dat");
    tagsmith::ProgramText texts;
    const int loaded = texts.Load(path);
    if (loaded <= 0) {
        if (tagsmith::ProgramText::FailureMessage(loaded, path).empty()) __builtin_trap();
        return 0;
    }
    for (const int language : {tagsmith::ProgramText::kEnglish, tagsmith::ProgramText::kGerman}) {
        texts.SetUILanguage(language);
        for (int n = 0; n < 400; ++n) {
            if (texts.GetText(n).size() > 4 * tagsmith::ProgramText::kMaxTextLength)
                __builtin_trap();
        }
    }
    return 0;
}
