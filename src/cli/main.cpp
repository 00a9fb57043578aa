#include "cli/CommandLineTool.h"

int main(int argc, char** argv) {
    return tagsmith::RunCommandLineTool(argc, argv);
}
