// The report of a document's existing head tags.
#include <cstdint>

#include "FuzzInput.h"
#include "core/window/HeadTagsText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path =
        tagsmith::fuzz::WriteInputFile(tagsmith::fuzz::AsView(data, size), ".html");
    const std::string report = tagsmith::ReadHeadMetaTags(path);
    if (report.empty()) __builtin_trap();  // every report ends with a verdict line
    return 0;
}
