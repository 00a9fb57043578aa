#include "core/editor/InsertTagIntoDocument.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "core/editor/BackupPath.h"
#include "core/editor/DocumentFormat.h"
#include "core/editor/EditorTexts.h"
#include "core/editor/HeadRewriter.h"
#include "core/editor/TagQuoteCheck.h"
#include "core/text/ReadRegularFile.h"
#include "core/text/SafeFileWriter.h"
#include "core/text/SystemError.h"
#include "core/text/WriteProtection.h"

namespace tagsmith {

namespace {

// The refusal box for a head that cannot take the tag; Rewritten shows nothing.
bool RefuseRewrite(HeadRewriteResult result, MessageBoxes& messages) {
    const char* prompt = nullptr;
    switch (result) {
        case HeadRewriteResult::Rewritten:
            return false;
        case HeadRewriteResult::TagSpansLines:
            prompt = kTagSpansLines;
            break;
        case HeadRewriteResult::NoHeadEnd:
            prompt = kNoHeadEnd;
            break;
        case HeadRewriteResult::TagHoldsQuote:
            prompt = kTagHoldsQuote;
            break;
    }
    messages.Show(prompt, kNotInsertedTitle, MessageIcon::Exclamation);
    return true;
}

bool RefuseBackupName(const std::string& backupPath, MessageBoxes& messages) {
    if (!BackupNameTaken(backupPath)) return false;
    messages.Show(backupPath + kBackupNotRegularFile, kNotInsertedTitle, MessageIcon::Exclamation);
    return true;
}

InsertOutcome Rewrite(const std::string& documentPath, const std::string& tag, bool withBackup,
                      MessageBoxes& messages, FileSystemCalls& files,
                      const std::optional<FileIdentity>& scannedVersion) {
    if (RefuseRewrite(TagValueHoldsQuote(tag) ? HeadRewriteResult::TagHoldsQuote
                                              : HeadRewriteResult::Rewritten,
                      messages)) {
        return InsertOutcome::Refused;
    }
    const std::string target = ResolveLinkTarget(documentPath);
    const FileContent document = ReadRegularFile(files, target);
    const FileIdentity version = FileIdentity::Of(document.status);
    if (scannedVersion && *scannedVersion != version) {
        throw FileRefusedError(FileRefusedError::Reason::Changed, target);
    }
    // A write-protected document stays as it is, although its folder would allow a rename.
    if (IsWriteProtected(files, target, document.status, ::geteuid())) {
        errno = EACCES;
        ThrowLastError(target);
    }

    const DocumentFormat format = DetectDocumentFormat(document.bytes);
    const std::string encodedTag = EncodeForDocument(tag, format);
    // The head is looked at first, so that a refusal creates no file at all.
    const HeadRewriteResult result =
        RewriteHead(document.bytes, encodedTag, format.lineEnd, [](std::string_view) {});
    if (RefuseRewrite(result, messages)) return InsertOutcome::Refused;
    const std::string backupPath = BackupPath(documentPath);
    if (withBackup && RefuseBackupName(backupPath, messages)) return InsertOutcome::Refused;

    SafeFileWriter content(files, target, {.like = &document.status, .expected = version});
    RewriteHead(document.bytes, encodedTag, format.lineEnd,
                [&content](std::string_view piece) { content.Write(piece); });
    content.Finish();
    std::optional<SafeFileWriter> backup;
    if (withBackup) {
        backup.emplace(files, backupPath,
                       SafeWriteOptions{.like = &document.status, .expected = std::nullopt});
        backup->Write(document.bytes);
        backup->Finish();
    }
    // Both files are complete: the backup takes its name only if the document is still the one
    // read, and the document is checked once more just before its own rename.
    content.CheckUnchanged();
    // Looked at again: the name may have been taken while the files were written.
    if (backup && RefuseBackupName(backupPath, messages)) return InsertOutcome::Refused;
    if (backup) backup->Commit();
    content.Commit();
    return InsertOutcome::Inserted;
}

}  // namespace

InsertOutcome InsertTagIntoDocument(const std::string& documentPath, const std::string& tag,
                                    bool withBackup, MessageBoxes& messages, FileSystemCalls& files,
                                    const std::optional<FileIdentity>& scannedVersion) {
    try {
        const InsertOutcome outcome =
            Rewrite(documentPath, tag, withBackup, messages, files, scannedVersion);
        if (outcome != InsertOutcome::Inserted) return outcome;
    } catch (const FileRefusedError& refusal) {
        const bool changed = refusal.GetReason() == FileRefusedError::Reason::Changed;
        messages.Show(changed ? std::string(kDocumentChanged) : documentPath + kNotRegularFile,
                      kNotInsertedTitle, MessageIcon::Exclamation);
        return InsertOutcome::Refused;
    } catch (const std::system_error& error) {
        messages.Show(error.code().message(), kErrorTitle, MessageIcon::Exclamation);
        return InsertOutcome::Failed;
    } catch (const std::exception& error) {
        messages.Show(error.what(), kErrorTitle, MessageIcon::Exclamation);
        return InsertOutcome::Failed;
    }
    messages.Show(kInsertedSuccessfully, kInsertCaption, MessageIcon::Information);
    if (withBackup) {
        messages.Show(std::string(kBackedUpAs) + "\r\n" + BackupPath(documentPath), kInsertCaption,
                      MessageIcon::Information);
    }
    return InsertOutcome::Inserted;
}

}  // namespace tagsmith
