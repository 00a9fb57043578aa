#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>

namespace tagsmith {

// The unified diff of two texts: "--- oldName" and "+++ newName" (labels as DiffLabel makes
// them), then hunks with `context`
// lines of context around each run of changes ("@@ -start,count +start,count @@"; a count of 1
// is left out, and an empty side names the line before it). Lines end at line feeds; a carriage
// return before one stays part of its line. A last line without a line feed is followed by
// "\ No newline at end of file". Equal texts give "". Lines are matched by a longest common
// subsequence between the differing middle parts; a middle too large for that (more than about
// sixteen million line pairs) is shown as removed whole and added whole.
std::string UnifiedDiff(std::string_view oldName, std::string_view newName, std::string_view before,
                        std::string_view after, std::size_t context = 3);

// A file's label in a diff header as GNU diff writes it, so that GNU patch reads back exactly
// the name: the name as it is, or in double quotes with C escapes (\\ \" \a \b \t \n \v \f
// \r, three octal digits for other control characters and for bytes above 127) when it holds a
// blank, a quote, a backslash, a control character or such a byte; then a TAB and the time of
// the file's last change, "YYYY-MM-DD hh:mm:ss.nnnnnnnnn +zzzz" in local time.
std::string DiffLabel(std::string_view name, const struct timespec& modified);

}  // namespace tagsmith
