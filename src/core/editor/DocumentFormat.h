#pragma once

#include <string>
#include <string_view>

#include "core/text/FileSystemCalls.h"
#include "core/text/TextEncoding.h"

namespace tagsmith {

// How a document is written: its encoding (UTF-8 when the whole file is valid UTF-8, else
// Windows-1252) and its line end (that of its first line; LF when it has none).
struct DocumentFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    std::string lineEnd = "\n";
};

// Reads the file once in blocks. Throws std::system_error when it cannot be read.
DocumentFormat DetectDocumentFormat(FileSystemCalls& files, const std::string& path);
// The same for a document's bytes.
DocumentFormat DetectDocumentFormat(std::string_view bytes);

// UTF-8 text (the tag from the output box) as bytes for the document: each line break (CR LF,
// CR or LF) becomes the document's line end; in a Windows-1252 document a character that the
// code page cannot hold becomes a numeric character reference (&#NNNN;).
std::string EncodeForDocument(std::string_view utf8, const DocumentFormat& format);

}  // namespace tagsmith
