// The scan of a document with settings taken from the input's first bytes, then the keywords
// meta tag and the word list composed from it.
#include <cstdint>

#include "FuzzInput.h"
#include "core/engine/CommonWordLists.h"
#include "core/engine/IgnoreList.h"
#include "core/pipeline/ScanPipeline.h"
#include "core/window/ComposedTagText.h"
#include "core/window/WordListText.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeScanView.h"
#include "platform/console/NoPendingEvents.h"
#include "platform/console/StringOutputBox.h"

using namespace tagsmith;

namespace {

GeneratorSettings SettingsFrom(std::string_view& input) {
    GeneratorSettings s;
    s.cboLanguage = fuzz::TakeByte(input) % kLanguageCount;
    s.cboShortWordSize = fuzz::TakeByte(input) % 9;
    s.cboThresholdFrequency = fuzz::TakeByte(input) % 9;
    s.cboTitleWeight = fuzz::TakeByte(input) % 9;
    s.cboDescriptionWeight = fuzz::TakeByte(input) % 9;
    s.cboExistingKeywordsWeight = fuzz::TakeByte(input) % 10;
    s.cboBoldWeight = fuzz::TakeByte(input) % 9;
    s.cboItalicWeight = fuzz::TakeByte(input) % 9;
    s.cboTableWeight = fuzz::TakeByte(input) % 10;
    s.cboDivWeight = fuzz::TakeByte(input) % 10;
    s.cboSpanWeight = fuzz::TakeByte(input) % 10;
    const std::uint8_t flags = fuzz::TakeByte(input);
    s.chkIgnoreShortWords = (flags & 1) != 0;
    s.chkIgnoreCommonWords = false;  // no lists are loaded
    s.chkPreserveCase = (flags & 4) != 0;
    s.chkSpaceAfterComma = (flags & 8) != 0;
    s.txbMaxNumKeywordsInMetaTag = std::to_string(5 + fuzz::TakeByte(input) % 96);
    s.txbMaxNumBytesInMetaTag = std::to_string(fuzz::TakeByte(input) * 4);
    // A begin phrase of up to 15 bytes from the input.
    const std::size_t begin = std::min<std::size_t>(fuzz::TakeByte(input) % 16, input.size());
    s.txbBeginMetaTagWith = std::string(input.substr(0, begin));
    input.remove_prefix(begin);
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = fuzz::AsView(data, size);
    GeneratorSettings settings = SettingsFrom(input);
    const std::string path = fuzz::WriteInputFile(input, ".html");
    const CommonWordLists commonWords;
    IgnoreList ignoreList;
    const ProgramText texts;
    test::FakeMessageBoxes messages;
    StringOutputBox output;
    test::FakeScanView view;
    NoPendingEvents events;
    for (const bool generate : {true, false}) {
        settings.txbInputFile = path;
        ScanSession session;
        if (ProcessInputFile(session, {settings, commonWords, ignoreList, texts, messages, output,
                                       view, events})) {
            output.SetText(generate ? ComposeKeywordsMetaTag(session.Table, settings, session.State.Encoding)
                                    : ListWords(session.Table, session.State.TotalWords, settings));
        }
    }
    return 0;
}
