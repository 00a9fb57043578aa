#include "core/editor/InsertTagIntoDocument.h"

#include <filesystem>
#include <system_error>

#include "core/editor/BackupPath.h"
#include "core/editor/DocumentFormat.h"
#include "core/editor/EditorTexts.h"
#include "core/editor/HeadRewriter.h"
#include "core/editor/ReadFileInBlocks.h"
#include "core/editor/TemporaryFile.h"
#include "core/text/TextLineReader.h"

namespace tagsmith {

namespace {

namespace fs = std::filesystem;

// The file the document path leads to: the final target of a symbolic link, else the path.
std::string ResolveTarget(const std::string& documentPath) {
    if (!fs::is_symlink(documentPath)) return documentPath;
    return fs::canonical(documentPath).string();
}

HeadRewriteResult Rewrite(const std::string& path, std::string_view tag, std::string_view lineEnd,
                          const std::function<void(std::string_view)>& write) {
    TextLineReader reader;
    if (!reader.Open(path)) ThrowLastError(path);
    return RewriteHead(reader, tag, lineEnd, write);
}

}  // namespace

InsertOutcome InsertTagIntoDocument(const std::string& documentPath, const std::string& tag,
                                    bool withBackup, MessageBoxes& messages,
                                    FileSystemCalls& files) {
    const std::string backupPath = BackupPath(documentPath);
    try {
        const std::string target = ResolveTarget(documentPath);
        struct stat status {};
        if (files.Status(target, status) != 0) ThrowLastError(target);
        // A write-protected document stays as it is, although its folder would allow a rename.
        if (files.CheckWritable(target) != 0) ThrowLastError(target);
        const DocumentFormat format = DetectDocumentFormat(files, target);
        const std::string encodedTag = EncodeForDocument(tag, format);

        // A dry run first, so that a refusal leaves no trace at all.
        const HeadRewriteResult check =
            Rewrite(target, encodedTag, format.lineEnd, [](std::string_view) {});
        if (check == HeadRewriteResult::TagSpansLines) {
            messages.Show(kTagSpansLines, kNotInsertedTitle, MessageIcon::Exclamation);
            return InsertOutcome::Refused;
        }
        if (check == HeadRewriteResult::NoHeadEnd) {
            messages.Show(kNoHeadEnd, kNotInsertedTitle, MessageIcon::Exclamation);
            return InsertOutcome::Refused;
        }

        TemporaryFile content(files, target);
        Rewrite(target, encodedTag, format.lineEnd,
                [&content](std::string_view bytes) { content.Write(bytes); });
        content.Finish(status);
        if (withBackup) {
            TemporaryFile backup(files, backupPath);
            ReadFileInBlocks(files, target,
                             [&backup](std::string_view bytes) { backup.Write(bytes); });
            backup.Finish(status);
            backup.Commit();
        }
        content.Commit();
    } catch (const std::system_error& error) {
        messages.Show(error.code().message(), kErrorTitle, MessageIcon::Exclamation);
        return InsertOutcome::Failed;
    } catch (const std::exception& error) {
        messages.Show(error.what(), kErrorTitle, MessageIcon::Exclamation);
        return InsertOutcome::Failed;
    }
    messages.Show(kInsertedSuccessfully, kInsertCaption, MessageIcon::Information);
    if (withBackup) {
        messages.Show(std::string(kBackedUpAs) + "\r\n" + backupPath, kInsertCaption,
                      MessageIcon::Information);
    }
    return InsertOutcome::Inserted;
}

}  // namespace tagsmith
