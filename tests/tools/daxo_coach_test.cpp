// daxo-coach, and daxo itself for the scripts named "daxo-…", started as
// separate processes, played from the scripts of tests/data/coach and held
// to what they say they answer. In a script, "$ arguments" runs the program
// with what the "< line"s before it give on its standard input, and with
// the environment changed by the NAME=value words before the arguments (an
// empty value takes the name away); the lines after it are what it wrote ("out", "err")
// and its status. "$? arguments" shows its figures as their shape, for the
// times and sizes that differ from run to run; "$> arguments" writes to a
// full disk. Tabs and control bytes are written "\t", "\x1b". The engine's
// scripts work out the whole table, and run in the optimised build only. To
// write the scripts anew after a change meant to change what they show:
//   DAXO_WRITE_TRANSCRIPTS=1 build/tests/daxo_coach_tests --gtest_filter='Coach/*'

#include "support/transcript.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QString unescaped(QString text)
{
    static const QRegularExpression hex(R"(\\x([0-9a-f]{2}))");
    for (QRegularExpressionMatch found = hex.match(text); found.hasMatch(); found = hex.match(text))
        text.replace(found.capturedStart(), 4, QChar(found.captured(1).toInt(nullptr, 16)));
    return text.replace("\\t", "\t");
}

QString escaped(const QString& line)
{
    QString shown;
    for (const QChar c : line)
        shown += c == '\t' ? QString("\\t") : c.unicode() < 0x20 ? QString("\\x%1").arg(c.unicode(), 2, 16, QChar('0')) : QString(c);
    return shown;
}

// What the program wrote, a line each, and its status.
QStringList run(const QString& program, const QString& action, const QByteArray& input)
{
    QProcess coach;
    if (action.startsWith("$>"))
        coach.setStandardOutputFile("/dev/full");
    QStringList arguments;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    static const QRegularExpression setting("^([A-Z_]+)=(.*)$");
    for (const QString& word : action.mid(action.indexOf(' ') + 1).split(' ', Qt::SkipEmptyParts)) {
        if (const QRegularExpressionMatch set = setting.match(word); set.hasMatch() && arguments.isEmpty()) {
            if (set.captured(2).isEmpty())
                environment.remove(set.captured(1));
            else
                environment.insert(set.captured(1), set.captured(2));
        } else {
            arguments << unescaped(word);
        }
    }
    coach.setProcessEnvironment(environment);
    coach.start(program, arguments);
    coach.write(input);
    coach.closeWriteChannel();
    EXPECT_TRUE(coach.waitForFinished(120000)) << action.toStdString();
    QStringList said;
    for (const auto& [channel, stream] : {std::pair{"out ", QProcess::StandardOutput}, {"err ", QProcess::StandardError}}) {
        coach.setReadChannel(stream);
        QStringList lines = QString::fromUtf8(coach.readAll()).split('\n');
        lines.removeLast(); // what follows the last line feed
        for (const QString& line : lines)
            said << channel + escaped(line);
    }
    if (action.startsWith("$?"))
        said.replaceInStrings(QRegularExpression("\\d"), "9");
    said << QString("exit %1").arg(coach.exitCode());
    return said;
}

class CoachScript : public ::testing::TestWithParam<QString> {};

TEST_P(CoachScript, AnswersWhatItsTranscriptSays)
{
#ifdef DAXO_SANITIZED
    if (GetParam().startsWith("engine"))
        GTEST_SKIP() << "the whole table is worked out in the optimised build";
#endif
    const std::string path = DAXO_TEST_DATA "/coach/" + GetParam().toStdString();
    const QString program = GetParam().startsWith("daxo-") ? DAXO_EXECUTABLE : DAXO_COACH_EXECUTABLE;
    std::vector<std::string> said;
    QByteArray input;
    for (const std::string& kept : daxo::test::linesOf(path)) {
        const QString line = QString::fromStdString(kept);
        if (line.startsWith("< ")) {
            input += unescaped(line.mid(2)).toUtf8() + '\n';
        } else if (!line.startsWith('$') && !line.isEmpty() && !line.startsWith('#')) {
            continue;
        }
        said.push_back(kept);
        if (line.startsWith('$')) {
            for (const QString& answer : run(program, line, std::exchange(input, {})))
                said.push_back(answer.toStdString());
        }
    }
    daxo::test::expectTranscript(path, said);
}

INSTANTIATE_TEST_SUITE_P(Coach, CoachScript,
                         ::testing::ValuesIn(QDir(DAXO_TEST_DATA "/coach").entryList(QDir::Files, QDir::Name)),
                         [](const auto& info) { return info.param.section('.', 0, 0).replace('-', '_').toStdString(); });

} // namespace
