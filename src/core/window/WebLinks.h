#pragma once

#include <filesystem>
#include <string>

#include "core/text/ProgramText.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

namespace tagsmith {

inline constexpr int kManualAddressText = 15;
inline constexpr int kMakerAddressText = 315;

// Opens the target (a web address) with the platform's default handler; when that fails, the
// "Cannot launch web browser" box names the address.
void OpenDocument(const std::string& target, Shell& shell, MessageBoxes& messages);

// The user manual's address: program text 15. A text without "://" names a file in the program's
// data folder (the manual ships with the program) and becomes its file:// address.
std::string ManualAddress(const ProgramText& texts, const std::filesystem::path& dataFolder);
// The maker's home page: program text 315.
std::string MakerAddress(const ProgramText& texts);
// The address as shown on the window: without its scheme and trailing slash.
std::string ShortAddress(const std::string& address);
// The file:// address of an absolute path; characters other than letters, digits and "-._~/"
// are percent-encoded.
std::string FileAddress(const std::filesystem::path& path);

}  // namespace tagsmith
