#include "core/editor/InsertedContent.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>

#include "core/editor/DocumentFormat.h"
#include "core/editor/EditorTexts.h"
#include "core/editor/HeadRewriter.h"
#include "core/editor/ReadFileInBlocks.h"
#include "core/text/TextLineReader.h"

namespace tagsmith {

std::optional<InsertedContent> BuildInsertedContent(const std::string& documentPath,
                                                    const std::string& tag,
                                                    MessageBoxes& messages,
                                                    FileSystemCalls& files) {
    try {
        // A document reached through a symbolic link is rewritten at the link's target.
        const std::string target = std::filesystem::is_symlink(documentPath)
                                       ? std::filesystem::canonical(documentPath).string()
                                       : documentPath;
        struct stat status {};
        if (files.Status(target, status) != 0) ThrowLastError(target);
        if (files.CheckWritable(target) != 0) ThrowLastError(target);
        const DocumentFormat format = DetectDocumentFormat(files, target);
        const std::string encodedTag = EncodeForDocument(tag, format);

        InsertedContent content;
        ReadFileInBlocks(files, target, [&content](std::string_view bytes) {
            content.before.append(bytes);
        });
        TextLineReader reader;
        if (!reader.Open(target)) ThrowLastError(target);
        const HeadRewriteResult result =
            RewriteHead(reader, encodedTag, format.lineEnd,
                        [&content](std::string_view bytes) { content.after.append(bytes); });
        if (result == HeadRewriteResult::TagSpansLines) {
            messages.Show(kTagSpansLines, kNotInsertedTitle, MessageIcon::Exclamation);
            return std::nullopt;
        }
        if (result == HeadRewriteResult::NoHeadEnd) {
            messages.Show(kNoHeadEnd, kNotInsertedTitle, MessageIcon::Exclamation);
            return std::nullopt;
        }
        return content;
    } catch (const std::system_error& error) {
        messages.Show(error.code().message(), kErrorTitle, MessageIcon::Exclamation);
    } catch (const std::exception& error) {
        messages.Show(error.what(), kErrorTitle, MessageIcon::Exclamation);
    }
    return std::nullopt;
}

}  // namespace tagsmith
