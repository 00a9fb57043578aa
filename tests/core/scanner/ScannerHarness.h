#pragma once

#include <string>
#include <vector>

#include "core/engine/CommonWordLists.h"
#include "core/engine/IgnoreList.h"
#include "core/engine/OccurrenceWeight.h"
#include "core/engine/WordTable.h"
#include "core/scanner/LinePreparation.h"
#include "core/scanner/LineScanner.h"
#include "core/scanner/ScanContext.h"
#include "fakes/FakePendingEvents.h"
#include "fakes/FakeScanView.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith::test {

// One word candidate as the line scanner handed it over: the word and the weight of its
// context at that moment.
struct CutOccurrence {
    std::string word;
    float weight = 0.0f;
    bool operator==(const CutOccurrence&) const = default;
};

// Runs the line scanner over prepared lines and records every word it cuts, through the
// pending-events call that follows each word candidate.
class ScannerHarness {
public:
    ScannerHarness() {
        // Keep every word in the table: the tests look at the scanner, not at the filters.
        settings.chkIgnoreCommonWords = false;
        settings.chkIgnoreShortWords = false;
        events.onCall = [this](int) {
            if (!state.CurrentWord.empty()) {
                cut.push_back({state.CurrentWord, OccurrenceWeight(state, settings)});
            }
        };
    }

    // Prepares each line as the pipeline does and scans it; stops when a stop was asked for.
    void Scan(const std::vector<std::string>& lines, bool lowerCase = false) {
        ScanContext context{state, table, settings, commonWords, ignoreList, output, view, events};
        for (const std::string& line : lines) {
            state.CurrentLine = PrepareLine(line, lowerCase);
            if (state.CurrentLine.empty()) continue;
            ScanLine(context);
            if (state.StopRequested) break;
        }
    }

    std::vector<std::string> Words() const {
        std::vector<std::string> words;
        for (const CutOccurrence& occurrence : cut) words.push_back(occurrence.word);
        return words;
    }

    std::vector<float> Weights() const {
        std::vector<float> weights;
        for (const CutOccurrence& occurrence : cut) weights.push_back(occurrence.weight);
        return weights;
    }

    GeneratorSettings settings;
    CommonWordLists commonWords;
    IgnoreList ignoreList;
    WordTable table;
    ScanState state;
    StringOutputBox output;
    FakeScanView view;
    FakePendingEvents events;
    std::vector<CutOccurrence> cut;
};

}  // namespace tagsmith::test
