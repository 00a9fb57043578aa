#pragma once

#include <optional>
#include <string>

#include "cli/CliContext.h"
#include "cli/DocumentReport.h"
#include "core/editor/InsertedContent.h"

namespace tagsmith {

class RecordingMessageBoxes;
class StringOutputBox;
struct ScanSession;

// The commands of tagsmith-cli that work document by document.
enum class Verb { Generate, List, Show, Check, Insert, DryRun, Report };

// Runs one command on one document and returns all it made of it. Process may run on several
// threads at once: it reads the context (settings, program texts, word lists) and never changes
// it; each document gets its own copy of the settings.
class DocumentProcessor {
public:
    DocumentProcessor(Verb verb, const CliContext& context, bool withBackup = false)
        : m_verb(verb), m_context(context), m_withBackup(withBackup) {}

    DocumentReport Process(const std::string& file) const;
    // True when a stale keywords tag makes the run fail (check).
    bool StaleFails() const { return m_verb == Verb::Check; }
    // True when the command writes into the documents (insert).
    bool WritesDocuments() const { return m_verb == Verb::Insert; }

private:
    // Scans the document and writes the report of the command into the output box, as the
    // window's button would; false when it was refused, the refusal then written into the report.
    bool ScanOrRefuse(bool generate, DocumentReport& report, GeneratorSettings& settings,
                      ScanSession& session, StringOutputBox& output,
                      RecordingMessageBoxes& messages) const;
    void Generate(DocumentReport& report) const;
    void List(DocumentReport& report) const;
    void Show(DocumentReport& report) const;
    void CheckOrSurvey(DocumentReport& report) const;
    void Insert(DocumentReport& report) const;
    void DryRun(DocumentReport& report) const;
    // What insert would make of the document with the tag; none after the refusal insert would
    // give (no tag, no place for it, a file that is not to be read or written).
    std::optional<InsertedContent> InsertedOrRefused(DocumentReport& report, const std::string& tag,
                                                     RecordingMessageBoxes& messages,
                                                     ContentUse use) const;

    Verb m_verb;
    const CliContext& m_context;
    bool m_withBackup;
};

}  // namespace tagsmith
