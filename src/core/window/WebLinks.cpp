#include "core/window/WebLinks.h"

namespace tagsmith {

namespace {

bool IsUnreservedInPath(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

}  // namespace

void OpenDocument(const std::string& target, Shell& shell, MessageBoxes& messages) {
    if (shell.OpenUrl(target)) return;
    messages.Show("Error launching web browser.\r\n\r\n" + target, "Cannot launch web browser",
                  MessageIcon::Exclamation, MessageButtons::Ok);
}

std::string ManualAddress(const ProgramText& texts, const std::filesystem::path& dataFolder) {
    std::string address = texts.GetText(kManualAddressText);
    if (address.empty()) address = "manual.html";
    if (address.find("://") != std::string::npos) return address;
    return FileAddress(std::filesystem::absolute(dataFolder / address).lexically_normal());
}

std::string MakerAddress(const ProgramText& texts) {
    return texts.GetText(kMakerAddressText);
}

std::string ShortAddress(const std::string& address) {
    std::string shown = address;
    if (const auto scheme = shown.find("://"); scheme != std::string::npos) {
        shown.erase(0, scheme + 3);
    }
    if (!shown.empty() && shown.back() == '/') shown.pop_back();
    return shown;
}

std::string FileAddress(const std::filesystem::path& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string address = "file://";
    for (const char c : path.generic_string()) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreservedInPath(c)) {
            address += c;
        } else {
            address += '%';
            address += kHex[byte >> 4];
            address += kHex[byte & 0x0F];
        }
    }
    return address;
}

}  // namespace tagsmith
