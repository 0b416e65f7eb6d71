#include "command_line.h"

#include "version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace daxo {
namespace {

// The options QGuiApplication and QApplication take from the command line
// themselves; they are left for the application object to consume.
void acceptQtOptions(QCommandLineParser& parser)
{
    const char* const withValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
                                     "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                                     "geometry", "style", "stylesheet"};
    const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), {}, "value");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

CommandLine readCommandLine(int argc, char* argv[])
{
    // A core application lives just long enough to read the options; the
    // graphical one comes after it, once the game is to start.
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName("daxo");
    QCoreApplication::setApplicationVersion(DAXO_VERSION_STRING);

    QCommandLineParser parser;
    parser.setApplicationDescription("Daxo, a dice game of five dice and twelve boxes to fill.");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption seed("seed", "Play games whose dice come from seed N, the next ones from N + 1 and on\n(after the largest seed, from 0).",
                                  "N");
    parser.addOption(seed);
    acceptQtOptions(parser);

    auto refuse = [](const QString& why) {
        std::fprintf(stderr, "daxo: %s\nTry 'daxo --help' for more information.\n", qPrintable(why));
        return CommandLine{.exitStatus = 2};
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return refuse(parser.errorText());
    if (parser.isSet(help) || parser.isSet("help-all")) {
        // The program's name, not the path it was started from.
        QString text = parser.helpText();
        text.replace("Usage: " + QCoreApplication::arguments().constFirst(), "Usage: daxo");
        std::fputs(qPrintable(text), stdout);
        return {.exitStatus = 0};
    }
    if (parser.isSet(version)) {
        std::printf("daxo %s\n", DAXO_VERSION_STRING);
        return {.exitStatus = 0};
    }
    if (const QStringList stray = parser.positionalArguments(); !stray.isEmpty())
        return refuse(QString("unexpected argument \"%1\"").arg(stray.front().left(80)));
    CommandLine commandLine;
    if (parser.isSet(seed)) {
        bool whole = false;
        const QString value = parser.value(seed);
        commandLine.seed = value.startsWith('+') ? 0 : value.toULongLong(&whole);
        if (!whole)
            return refuse(QString("the seed is a whole number from 0 to 18446744073709551615, not \"%1\"").arg(value));
    }
    return commandLine;
}

} // namespace daxo
