#pragma once

#include <string>

namespace tagsmith {

// The name under which insertion with backup keeps the previous content: "bak" and a full stop
// put before the extension (index.html gives index.bak.html, page.php gives page.bak.php). A
// name without a full stop gets ".bak" appended.
std::string BackupPath(const std::string& documentPath);

// A PHP document (a name ending in ".php", any letter case) is always inserted into with a
// backup: a script is too easily broken to replace without one.
bool AlwaysBackedUp(const std::string& documentPath);

// True when something other than a regular file holds the backup name: a symbolic link, a
// folder, a device or a pipe. Writing the backup would replace or feed whatever that leads to,
// so the insertion is refused. A name nothing holds is free.
bool BackupNameTaken(const std::string& backupPath);

}  // namespace tagsmith
