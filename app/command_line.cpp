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

std::optional<int> handleCommandLine(int argc, char* argv[])
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
    acceptQtOptions(parser);

    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "daxo: %s\nTry 'daxo --help' for more information.\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help) || parser.isSet("help-all")) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("daxo %s\n", DAXO_VERSION_STRING);
        return 0;
    }
    return std::nullopt;
}

} // namespace daxo
