// Whole documents through the scan pipeline: every occurrence the scanner hands to the indexed
// WordTable is replayed into the straightforward ReferenceWordTable, the two are compared while
// the scan runs and again after the post-processing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/engine/AcceptWord.h"
#include "core/engine/OccurrenceWeight.h"
#include "core/engine/TableComparison.h"
#include "core/pipeline/ScanPipeline.h"
#include "core/scanner/WordCutter.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/TestSupport.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith::test {
namespace {

namespace fs = std::filesystem;

// Called by the line scanner after every word candidate: works out the occurrence the scanner
// has just counted and counts it in the model too. The word handed over stands in the line just
// before the scan position; the table may have shortened it by its plural "s" since. (Both
// readings fit only a word made of "s" alone, which the filters drop before the plural rule.)
class ReplayIntoModel : public PendingEvents {
public:
    ReplayIntoModel(ScanSession& session, const GeneratorSettings& settings,
                    const CommonWordLists& commonWords, const IgnoreList& ignoreList)
        : m_session(session),
          m_settings(settings),
          m_commonWords(commonWords),
          m_ignoreList(ignoreList) {}

    bool RunPendingEvents() override {
        const ScanState& state = m_session.State;
        const std::string& cut = state.CurrentWord;
        if (cut.empty()) return false;  // the first half of a contraction: nothing was counted
        const std::string_view before =
            std::string_view(state.CurrentLine).substr(0, state.Position);
        std::string word = cut;
        if (!before.ends_with(cut)) {
            word += 's';
            EXPECT_TRUE(before.ends_with(word)) << "cannot find \"" << cut << "\" in the line";
        }
        if (AcceptWord(word, m_settings, m_commonWords, m_ignoreList)) {
            const bool exempt = state.InTitle || state.InDescription || state.InExistingKeywords;
            model.AddOccurrence(word, OccurrenceWeight(state, m_settings), exempt);
            EXPECT_EQ(word, cut);
        }
        if (++m_calls % 499 == 0) {
            EXPECT_EQ(Difference(m_session.Table, model), "") << "after word " << m_calls;
        }
        return false;
    }

    ReferenceWordTable model;

private:
    ScanSession& m_session;
    const GeneratorSettings& m_settings;
    const CommonWordLists& m_commonWords;
    const IgnoreList& m_ignoreList;
    long m_calls = 0;
};

struct Variant {
    const char* name;
    void (*apply)(GeneratorSettings&);
};

const Variant kVariants[] = {
    {"Defaults", [](GeneratorSettings&) {}},
    {"LowerCaseThreshold3",
     [](GeneratorSettings& s) {
         s.chkPreserveCase = false;
         s.cboThresholdFrequency = 2;
     }},
    {"FrenchNoFiltersKeywordsWeighed",
     [](GeneratorSettings& s) {
         s.cboLanguage = kFrenchPosition;
         s.chkIgnoreCommonWords = false;
         s.chkIgnoreShortWords = false;
         s.cboThresholdFrequency = 0;
         s.cboExistingKeywordsWeight = 9;
     }},
    {"BlocksSkippedTitleWeightZero",
     [](GeneratorSettings& s) {
         s.cboDivWeight = 0;
         s.cboTableWeight = 0;
         s.cboTitleWeight = 0;
     }},
};

std::vector<fs::path> Documents() {
    std::vector<fs::path> documents = {SourceFolder() / "data/sample/index.html",
                                       SourceFolder() / "docs/manual.html",
                                       SourceFolder() / "tests/cli/fixtures/herbs.html",
                                       SourceFolder() / "tests/cli/fixtures/herbs-cp1252-crlf.html",
                                       SourceFolder() / "tests/cli/fixtures/bread.htm"};
    // Real pages of a documentation package, where installed.
    for (const char* page : {"library/functools.html", "library/calendar.html", "glossary.html"}) {
        const fs::path path = fs::path("/usr/share/doc/python3.11/html") / page;
        if (fs::exists(path)) documents.push_back(path);
    }
    return documents;
}

TEST(WordTableDocumentTest, ScanOfRealDocumentsGivesTheReferenceTableRowByRow) {
    CommonWordLists commonWords;
    commonWords.LoadAllCommonWords(BinaryFolder());
    ProgramText texts;
    std::string message;
    ASSERT_TRUE(LoadProgramText(texts, BinaryFolder(), message)) << message;
    int scanned = 0;
    for (const fs::path& document : Documents()) {
        if (!fs::exists(document)) continue;
        for (const Variant& variant : kVariants) {
            SCOPED_TRACE(document.string() + ", " + variant.name);
            GeneratorSettings settings;
            variant.apply(settings);
            settings.txbInputFile = document.string();
            IgnoreList ignoreList;
            ignoreList.Rebuild("python, module");
            ScanSession session;
            ReplayIntoModel replay(session, settings, commonWords, ignoreList);
            FakeMessageBoxes messages;
            StringOutputBox output;
            ScanView view;
            const ScanEnvironment environment{settings, commonWords, ignoreList, texts,
                                              messages, output,      view,       replay};
            const bool ready = ProcessInputFile(session, environment);
            ASSERT_TRUE(messages.shown.empty()) << messages.shown.front().prompt;
            ASSERT_TRUE(ready);

            ReferenceWordTable& model = replay.model;
            model.ApplyThreshold(settings.ThresholdFrequency());
            model.MergeCaseVariants();
            model.NormaliseValues();
            ASSERT_GT(model.WordCount(), 0);
            EXPECT_EQ(Difference(session.Table, model), "") << "after the post-processing";
            ++scanned;
        }
    }
    EXPECT_GE(scanned, 4 * static_cast<int>(std::size(kVariants)));
}

}  // namespace
}  // namespace tagsmith::test
