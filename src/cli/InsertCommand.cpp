#include "cli/InsertCommand.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>

#include "cli/FileReports.h"
#include "cli/ProgramData.h"
#include "cli/ScanCommand.h"
#include "core/editor/BackupPath.h"
#include "core/editor/InsertMetaTagIntoFile.h"
#include "core/pipeline/ScanPipeline.h"
#include "platform/console/ConsoleMessageBoxes.h"
#include "platform/console/StringOutputBox.h"

namespace tagsmith {

namespace {

// Keeps the boxes of the insertion until its outcome tells where they belong.
class HeldMessageBoxes : public MessageBoxes {
public:
    MessageResult Show(const std::string& prompt, const std::string& title, MessageIcon /*icon*/,
                       MessageButtons /*buttons*/) override {
        m_boxes.push_back({prompt, title});
        return MessageResult::Ok;
    }

    // The prompts, one after the other (CR LF between them).
    std::string Prompts() const {
        std::string text;
        for (const Box& box : m_boxes) text += (text.empty() ? "" : "\r\n") + box.prompt;
        return text;
    }

    void WriteAsRefusals(std::ostream& err, const std::string& file) const {
        for (const Box& box : m_boxes) {
            err << ConsoleMessageBoxes::FormatLine(box.prompt, box.title, file) << '\n';
        }
    }

private:
    struct Box {
        std::string prompt;
        std::string title;
    };
    std::vector<Box> m_boxes;
};

struct BackupFlags {
    bool with = false;
    bool without = false;
};

}  // namespace

CliCommand AddInsertCommand(CLI::App& app, CliArguments& arguments) {
    CLI::App* const command = app.add_subcommand(
        "insert",
        "Compose the keywords meta tag of each document and insert it into the document, "
        "replacing its keywords meta tag or before </head>");
    AddFileArguments(*command, arguments);
    AddSettingsOptions(*command, arguments.settings);
    // The flags live as long as the command's run, which reads them after the parse.
    auto backup = std::make_shared<BackupFlags>();
    CLI::Option* const withBackup = command->add_flag(
        "--backup", backup->with,
        "Keep the previous content as NAME.bak.EXT (always done for PHP documents)");
    command
        ->add_flag("--no-backup", backup->without,
                   "Replace the document without a backup (default)")
        ->excludes(withBackup);
    return {command, [backup, &arguments](CliContext& context) {
                return RunInsertCommand(arguments.files, backup->with, context);
            }};
}

int RunInsertCommand(const std::vector<std::string>& files, bool withBackup, CliContext& context) {
    SwitchOffMissingCommonWords(context);
    return ReportEachFile(context, files, [&](const std::string& file) {
        ScanSession session;
        StringOutputBox output;
        FileSystemCalls fileSystem;
        // The version the scan is about to read: the tag composed from it goes into it alone.
        std::optional<FileIdentity> scanned;
        struct stat status {};
        if (fileSystem.Status(file, status) == 0) scanned = FileIdentity::Of(status);
        if (!ScanFileOnConsole(true, file, context, session, output)) return FileOutcome{true, {}};

        context.settings.optInsertionWithBackup = withBackup || AlwaysBackedUp(file);
        HeldMessageBoxes messages;
        const InsertOutcome outcome =
            InsertMetaTagIntoFile({context.settings, session, context.texts, output, messages,
                                   fileSystem, false, scanned});
        if (outcome != InsertOutcome::Inserted) {
            messages.WriteAsRefusals(context.err, file);
            return FileOutcome{true, {}};
        }
        return FileOutcome{false, messages.Prompts()};
    });
}

}  // namespace tagsmith
