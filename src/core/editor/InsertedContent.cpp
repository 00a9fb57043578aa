#include "core/editor/InsertedContent.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "core/editor/BuildInsertedDocument.h"
#include "core/editor/EditorTexts.h"
#include "core/text/ReadRegularFile.h"
#include "core/text/SafeFileWriter.h"
#include "core/text/SystemError.h"
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

}  // namespace

std::optional<InsertedContent> BuildInsertedContent(const std::string& documentPath,
                                                    const std::string& tag, MessageBoxes& messages,
                                                    FileSystemCalls& files) {
    try {
        // Insertion refuses a quote in the tag before it reads the document.
        if (BuildInsertedDocument("", tag).result == HeadRewriteResult::TagHoldsQuote) {
            messages.Show(kTagHoldsQuote, kNotInsertedTitle, MessageIcon::Exclamation);
            return std::nullopt;
        }
        const std::string target = ResolveLinkTarget(documentPath);
        FileContent document = ReadRegularFile(files, target);
        if (IsWriteProtected(files, target, document.status, ::geteuid())) {
            errno = EACCES;
            ThrowLastError(target);
        }
        InsertedDocument inserted = BuildInsertedDocument(document.bytes, tag);
        if (const char* prompt = RefusalPrompt(inserted.result)) {
            messages.Show(prompt, kNotInsertedTitle, MessageIcon::Exclamation);
            return std::nullopt;
        }
        return InsertedContent{std::move(document.bytes), std::move(inserted.content)};
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
