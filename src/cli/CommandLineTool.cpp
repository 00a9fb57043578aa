#include "cli/CommandLineTool.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>
#include <thread>

#include "cli/CheckCommand.h"
#include "cli/CliCommand.h"
#include "cli/InsertCommand.h"
#include "cli/InterruptCleanup.h"
#include "cli/OutputFailure.h"
#include "cli/ProgramData.h"
#include "cli/ReportCommand.h"
#include "cli/ScanCommand.h"
#include "cli/SettingsOptions.h"
#include "cli/ShowCommand.h"
#include "core/text/PendingFileRegistry.h"

namespace tagsmith {

namespace {

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

// An argument that looks like an option the chosen command does not have, before any "--" (""
// when none): without a FILE it is taken for neither, and the parser only says FILE is missing.
std::string UnknownOption(const CLI::App& app, const std::vector<std::string>& arguments) {
    const CLI::App* command = nullptr;
    for (const CLI::App* candidate : app.get_subcommands()) {
        if (candidate->parsed()) command = candidate;
    }
    if (command == nullptr) return {};
    for (const std::string& argument : arguments) {
        if (argument == "--") break;
        if (argument.size() < 2 || argument[0] != '-') continue;
        const std::string name = argument[1] == '-' ? argument.substr(0, argument.find('='))
                                                    : argument.substr(0, 2);
        if (command->get_option_no_throw(name) == nullptr &&
            app.get_option_no_throw(name) == nullptr) {
            return argument;
        }
    }
    return {};
}

}  // namespace

int RunCommandLineTool(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err) {
    CLI::App app(
        "Tagsmith composes the keywords meta tag of an HTML or PHP document from the "
        "words a visitor reads, weighed by where they stand in the markup.",
        "tagsmith-cli");
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("tagsmith-cli ") + TAGSMITH_VERSION);
    CliArguments parsed;
    parsed.jobs = std::max(1u, std::thread::hardware_concurrency());
    std::vector<CliCommand> commands;
    commands.push_back(AddScanCommand(app, true, parsed));
    commands.push_back(AddScanCommand(app, false, parsed));
    commands.push_back(AddShowCommand(app, parsed));
    commands.push_back(AddInsertCommand(app, parsed));
    commands.push_back(AddCheckCommand(app, parsed));
    commands.push_back(AddReportCommand(app, parsed));

    std::vector<std::string> argvStrings;
    argvStrings.reserve(arguments.size() + 1);
    argvStrings.emplace_back("tagsmith-cli");
    argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : argvStrings) argv.push_back(argument.data());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return 0;
    } catch (const CLI::CallForHelp&) {
        out << app.help();  // the help of the chosen subcommand, if any
        return OutputWritten(out, err) ? 0 : kOutputFailureStatus;
    } catch (const CLI::ParseError& error) {
        const std::string unknown =
            dynamic_cast<const CLI::RequiredError*>(&error) != nullptr
                ? UnknownOption(app, arguments)
                : std::string();
        err << "tagsmith: "
            << (unknown.empty() ? std::string(error.what())
                                : "The following argument was not expected: " + unknown +
                                      " (put \"--\" before a FILE that begins with \"-\")")
            << "\n\n"
            << app.help();
        return kUsageError;
    }

    for (const CliCommand& command : commands) {
        if (!command.command->parsed()) continue;
        CliContext context(out, err);
        context.errIsTerminal = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
        ApplySettingsOptions(parsed.settings, context);
        if (!LoadProgramData(context, parsed.dataFolder)) return kFailure;
        return command.run(context);
    }
    return kUsageError;  // require_subcommand makes this unreachable
}

int RunCommandLineTool(int argc, char** argv) {
    InstallInterruptCleanup();
    // Each argument byte for byte: spaces, line breaks and bytes that are no UTF-8 included.
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    const int status = RunCommandLineTool(arguments, std::cout, std::cerr);
    // A signal being handled ends the program by that signal, not by this status.
    PendingFileRegistry::WaitIfClosed();
    if (status != kOutputFailureStatus && !OutputWritten(std::cout, std::cerr)) {
        return kOutputFailureStatus;
    }
    return status;
}

}  // namespace tagsmith
