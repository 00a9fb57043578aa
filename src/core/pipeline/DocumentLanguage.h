#pragma once

#include <string>
#include <string_view>

namespace tagsmith {

// The primary subtag, in lower case, of the language a page declares: the lang attribute of its
// <html> tag, else the content of a Content-Language meta tag; empty when it declares none.
std::string DeclaredLanguage(std::string_view head);

// The list position of a language code ("ru", "nb" counts as "no"); -1 for a code without a list.
int LanguagePosition(std::string_view code);

// The language to scan a document with when the language is chosen automatically: the one its
// first 64 KiB declare, when it has a list, else `fallback`.
int DocumentLanguage(const std::string& fileName, int fallback);

}  // namespace tagsmith
