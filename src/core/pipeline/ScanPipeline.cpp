#include "core/pipeline/ScanPipeline.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>
#include <utility>

#include "core/engine/AddWordOccurrence.h"
#include "core/engine/MetaTagComposer.h"
#include "core/engine/WordListReport.h"
#include "core/pipeline/DocumentLanguage.h"
#include "core/pipeline/FileClassifier.h"
#include "core/pipeline/InputValidation.h"
#include "core/scanner/LinePreparation.h"
#include "core/scanner/LineScanner.h"
#include "core/text/StringOperations.h"
#include "core/text/TextEncoding.h"
#include "core/text/TextLineReader.h"

namespace tagsmith {
namespace {

constexpr const char* kStopCaption = "Stop";
constexpr const char* kListWordsCaption = "List words";

// Shows why the classified file cannot be scanned; false when it can.
bool RefuseFileClass(const FileTextClass& fileClass, const ScanEnvironment& environment) {
    const ProgramText& texts = environment.texts;
    std::string prompt;
    std::string title;
    if (fileClass.IsText()) return false;
    if (fileClass.result < 0) {
        prompt = texts.GetText(24) + " " + std::to_string(-fileClass.result) + "\r\n" +
                 texts.GetText(25);
        title = texts.GetText(26);
    } else if (fileClass.result == FileTextClass::kMissing) {
        prompt = texts.GetText(9);
        title = texts.GetText(6);
    } else if (fileClass.result == FileTextClass::kEmpty) {
        prompt = texts.GetText(22);
        title = texts.GetText(21);
    } else {
        prompt = texts.GetText(23);
        title = texts.GetText(8);
    }
    environment.messages.Show(prompt, title, MessageIcon::Exclamation, MessageButtons::Ok);
    return true;
}

enum class ScanOutcome { Finished, Stopped, Failed };

// Room for the longest line the document can hold and the space appended to it, up to 64 MB
// (longer lines grow as they are read).
void ReserveLineRoom(std::string& line, const std::string& fileName) {
    constexpr std::uintmax_t kMostReserved = std::uintmax_t{64} << 20;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(fileName, error);
    if (error) return;
    try {
        line.reserve(static_cast<std::size_t>(std::min(size, kMostReserved)) + 1);
    } catch (const std::bad_alloc&) {
        // Only a help: the line grows as it is read.
    }
}

// Reads and scans the document line by line.
ScanOutcome ScanDocument(const std::string& fileName, const FileTextClass& fileClass,
                         ScanSession& session, const ScanEnvironment& environment) {
    ScanState& state = session.State;
    TextLineReader reader;
    if (!reader.Open(fileName)) return ScanOutcome::Failed;
    if (fileClass.hasUtf8Bom) reader.SkipUtf8Bom();
    state.File = &reader;
    ScanContext context{state,
                        session.Table,
                        environment.settings,
                        environment.commonWords,
                        environment.ignoreList,
                        environment.output,
                        environment.view,
                        environment.events};
    const bool lowerCase = !environment.settings.chkPreserveCase;
    ScanOutcome outcome = ScanOutcome::Finished;
    try {
        // Two buffers take turns: the line being read and prepared, and the line being scanned.
        // A line can be no longer than the file; room for that is only address space until the
        // line fills it, and spares a one-line page the copies of growing step by step.
        std::string line;
        ReserveLineRoom(line, fileName);
        while (reader.ReadLine(line)) {
            DecodeToUtf8InPlace(line, state.Encoding);
            PrepareLineInPlace(line, lowerCase);
            if (line.empty()) continue;
            std::swap(state.CurrentLine, line);
            ScanLine(context);
            if (state.StopRequested) {
                outcome = ScanOutcome::Stopped;
                break;
            }
        }
        if (reader.Failed()) outcome = ScanOutcome::Failed;
    } catch (const std::exception&) {
        outcome = ScanOutcome::Failed;
    }
    state.File = nullptr;
    reader.Close();
    // The last line scanned can be as long as the document: it is not kept beyond the scan.
    std::string().swap(state.CurrentLine);
    return outcome;
}

void ShowStopText(const ScanSession& session, const ScanEnvironment& environment) {
    const std::int32_t count = session.Table.WordCount();
    environment.output.AppendText("\r\n\r\nStopped with " + std::to_string(count) +
                                  (count == 1 ? " word" : " words") + " identified.");
    environment.output.MoveCaretToEnd();
    environment.view.SetWordCountLabel("");
}

void FinishTable(ScanSession& session, const ScanEnvironment& environment) {
    WordTable& table = session.Table;
    ApplyThresholdFrequency(table, environment.settings);
    table.MergeCaseVariants();
    table.NormaliseValues();
    environment.view.SetWordCountLabel("Number of words found satisfying above conditions: " +
                                       std::to_string(table.WordCount()));
    session.ScanIsCurrent = true;
}

// Scans the document named in the input file box into the session's table. False when the
// command ends here: a refusal (shown), a stop (stop text shown) or a read failure (silent).
bool ScanInputFile(ScanSession& session, const ScanEnvironment& environment) {
    GeneratorSettings& settings = environment.settings;
    if (environment.trimInputFile) {
        settings.txbInputFile = std::string(TrimSpaces(settings.txbInputFile));
    }
    const std::string fileName = settings.txbInputFile;
    if (fileName.empty()) {
        environment.messages.Show(environment.texts.GetText(7), environment.texts.GetText(8),
                                  MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    if (!ValidateInputFile(fileName, environment)) return false;

    // The commands change before any reading, so that a click made while the file is examined
    // lands on the controls as they are during the scan ("Stop" included).
    environment.view.SetListWordsCaption(kStopCaption);
    environment.view.EnableCommands(false);
    const auto endScan = [&environment] {
        environment.view.SetListWordsCaption(kListWordsCaption);
        environment.view.EnableCommands(true);
    };
    const FileTextClass fileClass = ClassifyFileText(
        fileName, [&environment] { return environment.events.RunPendingEvents(); });
    if (fileClass.stopped) {
        endScan();
        return false;
    }
    if (!fileClass.IsText()) {
        endScan();
        RefuseFileClass(fileClass, environment);
        return false;
    }

    session.Table.ResetTable();
    environment.output.SetText("");
    session.State.Reset();
    session.State.LineEndingClass = static_cast<std::int32_t>(fileClass.result);
    session.State.Encoding = fileClass.encoding;
    session.State.Language = settings.cboLanguage == kAutomaticLanguagePosition
                                 ? DocumentLanguage(fileName, settings.FallbackLanguage)
                                 : settings.cboLanguage;

    const ScanOutcome outcome = ScanDocument(fileName, fileClass, session, environment);
    endScan();

    switch (outcome) {
        case ScanOutcome::Failed:
            return false;
        case ScanOutcome::Stopped:
            ShowStopText(session, environment);
            return false;
        case ScanOutcome::Finished:
            break;
    }
    FinishTable(session, environment);
    return true;
}

}  // namespace

void ProcessInputFile(bool generate, ScanSession& session, const ScanEnvironment& environment) {
    if (!session.ScanIsCurrent && !ScanInputFile(session, environment)) return;
    GeneratorSettings& settings = environment.settings;
    environment.output.SetText(
        generate ? ComposeKeywordsMetaTag(session.Table, settings, session.State.Encoding)
                 : ListWords(session.Table, session.State.TotalWords, settings));
    environment.output.MoveCaretToStart();
    environment.view.PlaceFocus();
}

}  // namespace tagsmith
