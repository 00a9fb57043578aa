#include "cli/DocumentProcessor.h"

#include <sys/stat.h>

#include <exception>
#include <optional>

#include "cli/FileReports.h"
#include "cli/KeywordsComparison.h"
#include "cli/RecordingMessageBoxes.h"
#include "cli/UnifiedDiff.h"
#include "core/editor/BackupPath.h"
#include "core/editor/EditorTexts.h"
#include "core/editor/HeadMetaTagReader.h"
#include "core/editor/InsertMetaTagIntoFile.h"
#include "core/editor/InsertedContent.h"
#include "core/editor/ShowExistingKeywordMetaTag.h"
#include "core/engine/KeywordsOfTag.h"
#include "core/engine/MetaTagComposer.h"
#include "core/engine/WordListReport.h"
#include "core/pipeline/ScanPipeline.h"
#include "core/window/ComposedTagText.h"
#include "core/window/HeadTagsText.h"
#include "core/window/NoWordsReport.h"
#include "core/window/WordListText.h"
#include "platform/console/NoPendingEvents.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith {

namespace {

void Refuse(DocumentReport& report, const RecordingMessageBoxes& messages) {
    report.errorLines += messages.Lines();
    report.refusal = messages.First();
}

ComposedTag Composed(const ScanSession& session, GeneratorSettings& settings) {
    const ComposedMetaTag composed =
        ComposeMetaTag(session.Table, settings, session.State.Encoding);
    return {composed.tag, composed.keywords, composed.bytes,
            composed.tag.empty() ? ReportNoWords(settings) : std::string()};
}

// The rows the word list shows (value not 0).
std::vector<ListedWord> ListedWords(const ScanSession& session) {
    std::vector<ListedWord> words;
    for (WordListRow& row : WordListRows(session.Table, session.State.TotalWords)) {
        if (row.value == 0) continue;
        words.push_back({row.rank, row.value, row.frequency, std::move(row.density),
                         std::move(row.word)});
    }
    return words;
}

ExistingTags Existing(const HeadTags& tags) {
    ExistingTags existing;
    const auto text = [&tags](HeadTag::Kind kind) -> std::optional<std::string> {
        const HeadTag* const entry = tags.First(kind);
        return entry == nullptr ? std::nullopt : std::optional(entry->text);
    };
    existing.title = text(HeadTag::Kind::Title);
    existing.description = text(HeadTag::Kind::Description);
    existing.keywords = text(HeadTag::Kind::Keywords);
    if (tags.failed) existing.error = "Error when looking for keywords meta tag.";
    return existing;
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
    if (ProcessInputFile(session, environment)) {
        output.SetText(generate ? ComposeKeywordsMetaTag(session.Table, settings, session.State.Encoding)
                                : ListWords(session.Table, session.State.TotalWords, settings));
    }
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
    report.composed = Composed(session, settings);
}

void DocumentProcessor::List(DocumentReport& report) const {
    GeneratorSettings settings = m_context.settings;
    ScanSession session;
    StringOutputBox output;
    RecordingMessageBoxes messages(report.file);
    if (!ScanOrRefuse(false, report, settings, session, output, messages)) return;
    report.language = FoundLanguage(settings, session);
    report.outputText = ConsoleReport(output.Text());
    report.words = ListedWords(session);
    if (session.Table.WordCount() == 0) report.noWordsMessage = ReportNoWords(settings);
}

void DocumentProcessor::Show(DocumentReport& report) const {
    std::string inputFile = report.file;
    RecordingMessageBoxes messages(report.file);
    const std::optional<HeadTags> tags = ShowExistingHeadTags(inputFile, messages, false);
    if (!tags || messages.ShownCount() > 0) {
        Refuse(report, messages);
        return;
    }
    report.outputText = ConsoleReport(FormatHeadTags(*tags));
    report.existing = Existing(*tags);
}

void DocumentProcessor::CheckOrSurvey(DocumentReport& report) const {
    GeneratorSettings settings = m_context.settings;
    ScanSession session;
    StringOutputBox output;
    RecordingMessageBoxes messages(report.file);
    if (!ScanOrRefuse(true, report, settings, session, output, messages)) return;
    report.language = FoundLanguage(settings, session);
    report.composed = Composed(session, settings);
    // The tag is judged by what insert would make of the document, with its refusals.
    const std::optional<InsertedContent> content =
        InsertedOrRefused(report, report.composed->tag, messages, ContentUse::ForComparing);
    if (!content) return;
    report.existing = Existing(ReadHeadTags(settings.txbInputFile));
    report.existing->keywords =
        content->replacedTag.empty() ? std::nullopt : std::optional(content->replacedTag);
    report.freshness = CompareKeywords(content->replacedTag, KeywordsOfTag(report.composed->tag),
                                       ChangesMoreThanEmptyLines(*content));
    if (m_verb == Verb::Report) {
        report.words = ListedWords(session);
    } else {
        report.outputText = StaleLine(report.file, *report.freshness);
    }
}

std::optional<InsertedContent> DocumentProcessor::InsertedOrRefused(
    DocumentReport& report, const std::string& tag, RecordingMessageBoxes& messages,
    ContentUse use) const {
    // The checks of the insert command that can fail after a successful scan.
    if (tag.empty()) {
        messages.Show(kTagNotGenerated, kInsertCaption, MessageIcon::Information,
                      MessageButtons::Ok);
        Refuse(report, messages);
        return std::nullopt;
    }
    FileSystemCalls fileSystem;
    std::optional<InsertedContent> content =
        BuildInsertedContent(report.file, tag, messages, fileSystem, use);
    if (!content) Refuse(report, messages);
    return content;
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
    const InsertOutcome outcome =
        InsertMetaTagIntoFile({settings, session, m_context.texts, output, FormatComposedMetaTag,
                               messages, fileSystem, false, scanned});
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
    const std::optional<InsertedContent> content = InsertedOrRefused(
        report, Composed(session, settings).tag, messages, ContentUse::ForWriting);
    if (!content) return;
    // The refusal insert gives when the backup could not be written safely.
    const std::string backup = BackupPath(report.file);
    if ((m_withBackup || AlwaysBackedUp(report.file)) && BackupNameTaken(backup)) {
        messages.Show(backup + kBackupNotRegularFile, kNotInsertedTitle,
                      MessageIcon::Exclamation, MessageButtons::Ok);
        Refuse(report, messages);
        return;
    }
    report.outputText =
        UnifiedDiff(DiffLabel(report.file, content->modified),
                    DiffLabel(report.file, content->modified), content->before, content->after);
}

}  // namespace tagsmith
