#include "gui/StartArguments.h"

#include <QCommandLineParser>
#include <QStringList>

namespace tagsmith {
namespace {

// The options QGuiApplication and QApplication take out of the command line themselves.
constexpr const char* kQtValueOptions[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "style",           "stylesheet",         "display",       "geometry"};
constexpr const char* kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QCommandLineOption Hidden(QCommandLineOption option) {
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

}  // namespace

StartArguments ParseStartArguments(std::span<const std::string_view> arguments) {
    QCommandLineParser parser;
    // Qt's options are written with one dash ("-platform offscreen"), as are -h and -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtValueOptions) {
        parser.addOption(
            Hidden(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value"))));
    }
    for (const char* name : kQtFlagOptions)
        parser.addOption(Hidden(QCommandLineOption(QString::fromLatin1(name))));

    QStringList list{QStringLiteral("tagsmith")};
    for (const std::string_view argument : arguments) {
        list.push_back(
            QString::fromLocal8Bit(argument.data(), static_cast<qsizetype>(argument.size())));
    }
    const bool parsed = parser.parse(list);
    if (parser.isSet(help)) return {StartArguments::Action::Help, {}, {}, {}, {}};
    if (parser.isSet(version)) return {StartArguments::Action::Version, {}, {}, {}, {}};
    if (!parsed)
        return {StartArguments::Action::Error, {}, parser.errorText().toStdString(), {}, {}};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return {StartArguments::Action::Error, {}, "more than one FILE given", {}, {}};
    StartArguments result;
    if (!files.isEmpty()) result.file = files.front().toLocal8Bit().toStdString();
    result.platform = parser.value(QStringLiteral("platform")).toStdString();
    result.display = parser.value(QStringLiteral("display")).toStdString();
    return result;
}

std::string VersionText() {
    return std::string("tagsmith ") + TAGSMITH_VERSION + "\n";
}

std::string HelpText() {
    return "Usage: tagsmith [FILE]\n"
           "       tagsmith --help | --version\n"
           "\n"
           "Opens the Tagsmith window, which reads an HTML or PHP document, weighs its words by\n"
           "the markup around them and composes a keywords meta tag for it (it can also list\n"
           "the words, show the existing tags and insert the new tag into the document).\n"
           "\n"
           "  FILE           start with this document in the input box instead of the last one\n"
           "  -h, --help     show this help and exit\n"
           "  -v, --version  show the version and exit\n"
           "\n"
           "The settings and the last document are kept in ~/.config/tagsmith/tagsmith.usr\n"
           "(under $XDG_CONFIG_HOME when that is set).\n"
           "\n"
           "Exit status: 0 when the window was closed normally (or after --help and --version),\n"
           "1 when no display could be opened or the program's data could not be loaded,\n"
           "2 for a wrong command line.\n"
           "The command-line tool tagsmith-cli does the same work without a window.\n";
}

std::string UsageErrorText(const std::string& error) {
    return "tagsmith: " + error + "\nUsage: tagsmith [FILE]\n" +
           "Try 'tagsmith --help' for more information.\n";
}

std::string NoDisplayText() {
    return "tagsmith: cannot open a display; use tagsmith-cli for the command line\n";
}

}  // namespace tagsmith
