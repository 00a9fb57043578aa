#include "cli/DocumentProcessor.h"

#include <sys/stat.h>

#include <exception>
#include <optional>

#include "cli/FileReports.h"
#include "cli/RecordingMessageBoxes.h"
#include "cli/ReportParsing.h"
#include "cli/UnifiedDiff.h"
#include "core/editor/BackupPath.h"
#include "core/editor/EditorTexts.h"
#include "core/editor/GetMetaTag.h"
#include "core/editor/HeadMetaTagReader.h"
#include "core/editor/InsertMetaTagIntoFile.h"
#include "core/editor/InsertedContent.h"
#include "core/editor/ShowExistingKeywordMetaTag.h"
#include "core/pipeline/ScanPipeline.h"
#include "platform/console/NoPendingEvents.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith {

namespace {

void Refuse(DocumentReport& report, const RecordingMessageBoxes& messages) {
    report.errorLines += messages.Lines();
    report.refusal = messages.First();
}

std::string Joined(const std::vector<std::string>& words, char mark) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : ", ") + (mark + word);
    return text;
}

// The code of the language a scan found for its document, under --language auto; else empty.
std::string FoundLanguage(const GeneratorSettings& settings, const ScanSession& session) {
    const int language = session.State.Language;
    if (settings.cboLanguage != kAutomaticLanguagePosition || language < 0 ||
        language >= kLanguageCount) {
        return {};
    }
    return std::string(kLanguageCodes[static_cast<std::size_t>(language)]);
}

}  // namespace

std::string StaleLine(const std::string& file, const Freshness& freshness) {
    if (!freshness.stale) return {};
    std::string why;
    if (freshness.noKeywordsTag) {
        why = "no keywords tag";
    } else if (freshness.added.empty() && freshness.dropped.empty()) {
        why = "order";
    } else {
        why = Joined(freshness.added, '+');
        if (!why.empty() && !freshness.dropped.empty()) why += "; ";
        why += Joined(freshness.dropped, '-');
    }
    return file + ": stale (" + why + ")\n";
}

DocumentReport DocumentProcessor::Process(const std::string& file) const {
    DocumentReport report;
    report.file = file;
    try {
        switch (m_verb) {
            case Verb::Generate:
                Generate(report);
                break;
            case Verb::List:
                List(report);
                break;
            case Verb::Show:
                Show(report);
                break;
            case Verb::Check:
            case Verb::Report:
                CheckOrSurvey(report);
                break;
            case Verb::Insert:
                Insert(report);
                break;
            case Verb::DryRun:
                DryRun(report);
                break;
        }
    } catch (const std::exception& failure) {
        // A failure the command did not handle: reported for this document, the others go on.
        RecordingMessageBoxes messages(report.file);
        messages.Show(failure.what(), kErrorTitle, MessageIcon::Exclamation, MessageButtons::Ok);
        Refuse(report, messages);
    }
    return report;
}

bool DocumentProcessor::ScanOrRefuse(bool generate, DocumentReport& report,
                                     GeneratorSettings& settings, ScanSession& session,
                                     StringOutputBox& output,
                                     RecordingMessageBoxes& messages) const {
    NoPendingEvents events;
    ScanView view;
    settings.txbInputFile = report.file;
    const ScanEnvironment environment{settings,
                                      m_context.commonWords,
                                      m_context.ignoreList,
                                      m_context.texts,
                                      messages,
                                      output,
                                      view,
                                      events,
                                      true,
                                      false};  // names byte for byte
    ProcessInputFile(generate, session, environment);
    // Any message box during a command is a refusal: the window would show no report.
    if (messages.ShownCount() == 0) return true;
    Refuse(report, messages);
    return false;
}

void DocumentProcessor::Generate(DocumentReport& report) const {
    GeneratorSettings settings = m_context.settings;
    ScanSession session;
    StringOutputBox output;
    RecordingMessageBoxes messages(report.file);
    if (!ScanOrRefuse(true, report, settings, session, output, messages)) return;
    report.language = FoundLanguage(settings, session);
    report.outputText = ConsoleReport(output.Text());
    report.composed = ParseComposedTag(output.Text());
}

void DocumentProcessor::List(DocumentReport& report) const {
    GeneratorSettings settings = m_context.settings;
    ScanSession session;
    StringOutputBox output;
    RecordingMessageBoxes messages(report.file);
    if (!ScanOrRefuse(false, report, settings, session, output, messages)) return;
    report.language = FoundLanguage(settings, session);
    report.outputText = ConsoleReport(output.Text());
    report.words = ListedWords(session.Table, session.State.TotalWords);
}

void DocumentProcessor::Show(DocumentReport& report) const {
    std::string inputFile = report.file;
    StringOutputBox output;
    RecordingMessageBoxes messages(report.file);
    ShowExistingKeywordMetaTag(inputFile, output, messages, false);
    if (messages.ShownCount() > 0) {
        Refuse(report, messages);
        return;
    }
    report.outputText = ConsoleReport(output.Text());
    report.existing = ParseExistingTags(output.Text());
}

void DocumentProcessor::CheckOrSurvey(DocumentReport& report) const {
    GeneratorSettings settings = m_context.settings;
    ScanSession session;
    StringOutputBox output;
    RecordingMessageBoxes messages(report.file);
    if (!ScanOrRefuse(true, report, settings, session, output, messages)) return;
    report.language = FoundLanguage(settings, session);
    report.composed = ParseComposedTag(output.Text());
    report.existing = ParseExistingTags(ReadHeadMetaTags(settings.txbInputFile));
    report.freshness = CompareKeywords(report.existing->keywords, report.composed->tag);
    if (m_verb == Verb::Report) {
        report.words = ListedWords(session.Table, session.State.TotalWords);
    } else {
        report.outputText = StaleLine(report.file, *report.freshness);
    }
}

void DocumentProcessor::Insert(DocumentReport& report) const {
    GeneratorSettings settings = m_context.settings;
    ScanSession session;
    StringOutputBox output;
    FileSystemCalls fileSystem;
    // The version the scan is about to read: the tag composed from it goes into it alone.
    std::optional<FileIdentity> scanned;
    struct stat status {};
    if (fileSystem.Status(report.file, status) == 0) scanned = FileIdentity::Of(status);
    RecordingMessageBoxes scanMessages(report.file);
    if (!ScanOrRefuse(true, report, settings, session, output, scanMessages)) return;
    settings.optInsertionWithBackup = m_withBackup || AlwaysBackedUp(report.file);
    RecordingMessageBoxes messages(report.file);
    const InsertOutcome outcome = InsertMetaTagIntoFile(
        {settings, session, m_context.texts, output, messages, fileSystem, false, scanned});
    if (outcome != InsertOutcome::Inserted) {
        Refuse(report, messages);
        return;
    }
    report.outputText = ConsoleReport(messages.Prompts());
}

void DocumentProcessor::DryRun(DocumentReport& report) const {
    GeneratorSettings settings = m_context.settings;
    ScanSession session;
    StringOutputBox output;
    RecordingMessageBoxes messages(report.file);
    if (!ScanOrRefuse(true, report, settings, session, output, messages)) return;
    report.language = FoundLanguage(settings, session);
    // The checks of the insert command that can fail after a successful scan.
    if (session.Table.WordCount() == 0) {
        messages.Show(kTagNotGenerated, kInsertCaption, MessageIcon::Information,
                      MessageButtons::Ok);
        Refuse(report, messages);
        return;
    }
    FileSystemCalls fileSystem;
    const std::optional<InsertedContent> content = BuildInsertedContent(
        settings.txbInputFile, GetMetaTag(output.Text()), messages, fileSystem);
    if (!content) {
        Refuse(report, messages);
        return;
    }
    report.outputText = UnifiedDiff(report.file, report.file, content->before, content->after);
}

}  // namespace tagsmith
