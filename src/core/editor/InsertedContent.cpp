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

// The next line at or after `at` that is not empty, with its line end (LF, CR LF or a lone CR);
// "" at the end of the text. Moves `at` past it.
std::string_view NextLineWithText(std::string_view text, std::size_t& at) {
    while (at < text.size()) {
        const std::size_t start = at;
        const std::size_t stop = text.find_first_of("\r\n", start);
        if (stop == std::string_view::npos) {
            at = text.size();
            return text.substr(start);
        }
        at = stop + (text.substr(stop, 2) == "\r\n" ? 2 : 1);
        if (stop > start) return text.substr(start, at - start);
    }
    return {};
}

}  // namespace

bool ChangesMoreThanEmptyLines(const InsertedContent& content) {
    if (content.before == content.after) return false;
    std::size_t before = 0;
    std::size_t after = 0;
    for (;;) {
        const std::string_view old = NextLineWithText(content.before, before);
        if (old != NextLineWithText(content.after, after)) return true;
        if (old.empty()) return false;
    }
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
