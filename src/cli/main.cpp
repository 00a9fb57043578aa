#include "cli/CommandLineTool.h"
#include "core/text/StandardDescriptors.h"

int main(int argc, char** argv) {
    tagsmith::OpenClosedStandardDescriptors();
    return tagsmith::RunCommandLineTool(argc, argv);
}
