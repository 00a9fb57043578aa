#include "core/editor/InsertedContent.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "core/editor/BuildInsertedDocument.h"
#include "core/editor/DocumentFormat.h"
#include "core/editor/HeadRewriter.h"
#include "core/editor/EditorTexts.h"
#include "core/text/ReadRegularFile.h"
#include "core/text/SafeFileWriter.h"
#include "core/text/SystemError.h"
#include "core/text/TextEncoding.h"
#include "core/text/WriteProtection.h"

namespace tagsmith {

namespace {

const char* RefusalPrompt(HeadRewriteResult result) {
    switch (result) {
        case HeadRewriteResult::TagSpansLines:
            return kTagSpansLines;
        case HeadRewriteResult::NoHeadEnd:
            return kNoHeadEnd;
        case HeadRewriteResult::TagHoldsQuote:
            return kTagHoldsQuote;
        case HeadRewriteResult::Rewritten:
            break;
    }
    return nullptr;
}

// The text without its empty lines (a line end right after another, or at the start). LF, CR LF
// and a lone CR each end a line.
std::string WithoutEmptyLines(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    bool lineStart = true;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t endSize =
            text[i] == '\n' ? 1 : text[i] == '\r' ? (text.substr(i, 2) == "\r\n" ? 2 : 1) : 0;
        if (endSize == 0) {
            kept += text[i++];
            lineStart = false;
            continue;
        }
        if (!lineStart) kept.append(text.substr(i, endSize));
        i += endSize;
        lineStart = true;
    }
    return kept;
}

}  // namespace

bool ChangesMoreThanEmptyLines(const InsertedContent& content) {
    return content.before != content.after &&
           WithoutEmptyLines(content.before) != WithoutEmptyLines(content.after);
}

std::optional<InsertedContent> BuildInsertedContent(const std::string& documentPath,
                                                    const std::string& tag, MessageBoxes& messages,
                                                    FileSystemCalls& files, ContentUse use) {
    try {
        // Insertion refuses a quote in the tag before it reads the document.
        if (BuildInsertedDocument("", tag).result == HeadRewriteResult::TagHoldsQuote) {
            messages.Show(kTagHoldsQuote, kNotInsertedTitle, MessageIcon::Exclamation);
            return std::nullopt;
        }
        const std::string target = ResolveLinkTarget(documentPath);
        FileContent document = ReadRegularFile(files, target);
        if (use == ContentUse::ForWriting &&
            IsWriteProtected(files, target, document.status, ::geteuid())) {
            errno = EACCES;
            ThrowLastError(target);
        }
        InsertedDocument inserted = BuildInsertedDocument(document.bytes, tag);
        if (const char* prompt = RefusalPrompt(inserted.result)) {
            messages.Show(prompt, kNotInsertedTitle, MessageIcon::Exclamation);
            return std::nullopt;
        }
        const std::string_view replaced = ReplacedKeywordsTag(document.bytes);
        std::string replacedTag =
            DetectDocumentFormat(document.bytes).encoding == TextEncoding::Utf8
                ? std::string(replaced)
                : Windows1252ToUtf8(replaced);
        return InsertedContent{std::move(document.bytes), std::move(inserted.content),
                               std::move(replacedTag), document.status.st_mtim};
    } catch (const FileRefusedError&) {
        messages.Show(documentPath + kNotRegularFile, kNotInsertedTitle, MessageIcon::Exclamation);
    } catch (const std::system_error& error) {
        messages.Show(error.code().message(), kErrorTitle, MessageIcon::Exclamation);
    } catch (const std::exception& error) {
        messages.Show(error.what(), kErrorTitle, MessageIcon::Exclamation);
    }
    return std::nullopt;
}

}  // namespace tagsmith
