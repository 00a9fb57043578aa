#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/engine/CommonWordLists.h"
#include "core/engine/IgnoreList.h"
#include "core/scanner/ScanPipeline.h"
#include "core/text/ProgramText.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakePendingEvents.h"
#include "fakes/FakeScanView.h"
#include "fakes/TestSupport.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith::test {

// The pipeline with the window replaced by recording fakes and documents in a temporary folder.
class PipelineHarness {
public:
    PipelineHarness() {
        std::string message;
        loaded = LoadProgramText(texts, BinaryFolder(), message);
        EXPECT_TRUE(loaded) << message;
        // No common-word lists and no threshold here: every word the filters let through stays.
        settings.chkIgnoreCommonWords = false;
        settings.cboThresholdFrequency = 0;
    }

    std::string Write(const std::string& name, const std::string& bytes) {
        return folder.WriteFile(name, bytes).string();
    }

    ScanEnvironment Environment() {
        return ScanEnvironment{settings, commonWords, ignoreList, texts,          messages,
                               output,   view,        events,     startupComplete};
    }

    void Run(bool generate) { ProcessInputFile(generate, session, Environment()); }

    // Scans a document written under name and returns the words of the table in rank order.
    std::vector<std::string> ScanWords(const std::string& name, const std::string& bytes) {
        settings.txbInputFile = Write(name, bytes);
        session.ScanIsCurrent = false;
        Run(false);
        return TableWords();
    }

    std::vector<std::string> TableWords() const {
        std::vector<std::string> words;
        for (std::int32_t i = 1; i <= session.Table.WordCount(); ++i) {
            words.push_back(session.Table.Entry(i).Word);
        }
        return words;
    }

    TemporaryFolder folder;
    ProgramText texts;
    bool loaded = false;
    GeneratorSettings settings;
    CommonWordLists commonWords;
    IgnoreList ignoreList;
    FakeMessageBoxes messages;
    StringOutputBox output;
    FakeScanView view;
    FakePendingEvents events;
    bool startupComplete = true;
    ScanSession session;
};

}  // namespace tagsmith::test
