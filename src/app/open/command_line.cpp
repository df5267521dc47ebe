// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's command-line parser does the options, the help text and the errors.
#include "app/open/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

std::optional<OpenRequest> parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "A picture puzzle: a picture or a video cut into tiles to put back in order."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE|ADDRESS"),
        QCoreApplication::translate(
            "CommandLine", "A picture or video to open (a path or a file: URL), or the http or "
                           "https address of a picture to download."),
        QCoreApplication::translate("CommandLine", "[FILE-OR-ADDRESS]"));
    const QCommandLineOption resume(
        QStringLiteral("resume"),
        QCoreApplication::translate("CommandLine",
                                    "Resume the game kept when Pindrel last ended."));
    parser.addOption(resume);
    parser.process(arguments);
    if (parser.isSet(resume))
        return OpenRequest{OpenRequest::Kind::Resume, QString()};
    // A file manager passes every selected file; like a drop of several, the first opens.
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return std::nullopt;
    return requestForArgument(words.constFirst());
}

bool asksForTextOnly(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (qstrcmp(argv[i], option) == 0)
                return true;
    return false;
}
