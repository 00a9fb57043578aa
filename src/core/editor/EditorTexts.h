#pragma once

namespace tagsmith {

// Captions, titles and messages of the two document commands (line breaks are CR LF).
inline constexpr const char* kInsertCaption = "Insert meta tag into file";
inline constexpr const char* kShowExistingCaption = "Show existing  keywords etc.";

inline constexpr const char* kNothingToInsert = "Nothing to insert.";
inline constexpr const char* kTagNotGenerated = "The keywords meta tag has not been generated.";
inline constexpr const char* kFileNotFound = "File not found.";
inline constexpr const char* kNotInsertedTitle = "Not inserted";
inline constexpr const char* kTagSpansLines =
    "Meta tag not inserted because existing meta tag\r\n"
    "extends over more than one line or is invalid.\r\n"
    "Suggestion: Delete the existing meta tag.";
inline constexpr const char* kNoHeadEnd =
    "Meta tag not inserted because the document has no </head> tag.";
inline constexpr const char* kTagHoldsQuote =
    "Meta tag not inserted because a double quote (\") in its content would end the content "
    "early.\r\n"
    "Suggestion: Remove the double quote from the words the meta tag begins with.";
inline constexpr const char* kDocumentChanged =
    "The document was changed by another program while the tag was being inserted. Nothing "
    "was written.";
inline constexpr const char* kNotRegularFile = " is not a regular file.";
inline constexpr const char* kBackupNotRegularFile =
    " is not a regular file. Meta tag not inserted, because the backup would be written into "
    "whatever that name leads to.";
inline constexpr const char* kInsertedSuccessfully =
    "Meta tag inserted successfully into document.";
inline constexpr const char* kBackedUpAs = "The original file was backed up as";
inline constexpr const char* kErrorTitle = "Error";

inline constexpr const char* kInputFileNotSpecified = "Input file not specified.";
inline constexpr const char* kInputFileNotFound = "Input file not found.";
inline constexpr const char* kFileNotFoundTitle = "File not found";

// The program text number of "no input file specified".
inline constexpr int kNoInputFileTextNumber = 7;

}  // namespace tagsmith
