// daxo-coach, started as a separate process.

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct Finished {
    QString out;
    QString err;
    int status;
};

Finished run(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess coach;
    coach.start(DAXO_COACH_EXECUTABLE, arguments);
    coach.write(input);
    coach.closeWriteChannel();
    coach.waitForFinished(120000);
    return {QString::fromUtf8(coach.readAllStandardOutput()), QString::fromUtf8(coach.readAllStandardError()),
            coach.exitCode()};
}

TEST(DaxoCoach, SolvesAndSaysWhatItTook)
{
#ifdef DAXO_SANITIZED
    GTEST_SKIP() << "the whole table is worked out in the optimised build";
#endif
    const Finished solve = run({"solve"});
    EXPECT_EQ(solve.status, 0);
    const QStringList lines = solve.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << solve.out.toStdString();
    EXPECT_TRUE(lines[0].contains(QRegularExpression("^expected-score \\d+\\.\\d{6}$")));
    EXPECT_TRUE(lines[1].contains(QRegularExpression("^states [1-9]\\d*$")));
    EXPECT_TRUE(lines[2].contains(QRegularExpression("^seconds \\d+\\.\\d+$")));
    EXPECT_TRUE(lines[3].contains(QRegularExpression("^peak-memory-mib \\d+\\.\\d+$")));
}

// Each position gets its actions, best first, and an empty line; a bad line
// is named on standard error and the next line still gets its answer.
TEST(DaxoCoach, AdvisesLineByLine)
{
#ifdef DAXO_SANITIZED
    GTEST_SKIP() << "the whole table is worked out in the optimised build";
#endif
    const Finished advise = run({"advise"}, "1,2,3,4,5,Full,Suite,Carre,Daxo,Plus,Moins\t50\t25\t8\t66665\t0\n"
                                       "bad line\n"
                                       "1,2,3,4,5,Full,Suite,Carre,Daxo,Plus,Moins\t50\t25\t8\t66665\t1\n");
    EXPECT_EQ(advise.status, 1);
    EXPECT_EQ(advise.err, "daxo-coach: line 2, line: six fields separated by tabs are needed, not 1\n");
    // Only the sixes are left: 24 now, with the bonus 54. With a throw left,
    // throwing the 5 again is worth 55.
    const QStringList answers = advise.out.split("\n\n");
    ASSERT_EQ(answers.size(), 3) << advise.out.toStdString();
    EXPECT_EQ(answers[0], "score:6\t54.000000000\t0.000000000");
    const QStringList second = answers[1].split('\n');
    EXPECT_EQ(second.mid(0, 2), (QStringList{"keep:6666\t55.000000000\t0.000000000", "score:6\t54.000000000\t1.000000000"}));
    EXPECT_EQ(second.size(), 10) << "score:6, and every set of the dice to keep but all five";
    EXPECT_TRUE(advise.out.endsWith("\n\n"));
}

// A command line that cannot be followed gets its reason and the status 2;
// --help and --version answer at once.
TEST(DaxoCoach, SaysWhatIsWrongWithTheCommandLine)
{
    const std::pair<QStringList, QString> refused[] = {
        {{}, "a command is needed"},
        {{"play"}, "unknown command \"play\""},
        {{"play\x1b[2J"}, "unknown command \"play\\x1b[2J\""},
        {{"solve", "advise"}, "one command at a time: \"solve\" was given, then \"advise\""},
        {{"--threads", "2", "solve"}, "the command comes before its options (\"--threads\")"},
        {{"solve", "--level", "x"}, "'solve' takes no option \"--level\""},
        {{"solve", "--threads", "1", "--threads=2"}, "--threads is given twice"},
        {{"solve", "--threads", "0"}, "--threads wants a whole number from 1 up, not \"0\""},
        {{"solve", "--threads", "-3"}, "--threads wants a whole number from 1 up, not \"-3\""},
        {{"solve", "--threads", "abc"}, "--threads wants a whole number from 1 up, not \"abc\""},
        {{"advise", "--threads"}, "--threads wants a value"},
    };
    for (const auto& [arguments, why] : refused) {
        const Finished got = run(arguments);
        EXPECT_EQ(got.status, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(got.err, "daxo-coach: " + why + "\nTry 'daxo-coach --help' for more information.\n");
        EXPECT_TRUE(got.out.isEmpty());
    }
    const Finished version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.contains(QRegularExpression("^daxo-coach \\d+\\.\\d+\\.\\d+\n$"))) << version.out.toStdString();
    const Finished help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: daxo-coach solve"));
}

// Games played at a level: one figure a line, and the same seed gives the
// same figures.
TEST(DaxoCoach, SimulatesALevel)
{
#ifdef DAXO_SANITIZED
    GTEST_SKIP() << "the whole table is worked out in the optimised build";
#endif
    const Finished played = run({"simulate", "--level=regular", "--games", "300", "--seed", "5"});
    EXPECT_EQ(played.status, 0) << played.err.toStdString();
    const QStringList lines = played.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6) << played.out.toStdString();
    const char* const keys[] = {"level regular", "games 300", "mean ", "sd ", "standard-error ", "mean-loss-per-decision "};
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(lines[i].startsWith(keys[i])) << lines[i].toStdString();
    EXPECT_EQ(run({"simulate", "--level=regular", "--games", "300", "--seed", "5"}).out, played.out);
    const Finished unknown = run({"simulate", "--level", "expert", "--games", "10"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.startsWith("daxo-coach: --level is one of beginner, regular, strong, perfect, not \"expert\""));
    EXPECT_EQ(run({"simulate", "--level", "perfect"}).err.left(40), "daxo-coach: 'simulate' needs --games\nTry");

    // Against another level: each side's wins and the ties, a share of the
    // games each, with its standard error.
    const Finished match = run({"simulate", "--level=strong", "--against=beginner", "--games=400", "--seed=2"});
    const QStringList shares = match.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(shares.size(), 4) << match.out.toStdString();
    EXPECT_EQ(shares[0], "games 400");
    const QRegularExpression share("^(level strong|against beginner|ties) (wins )?(0\\.\\d{4}) standard-error 0\\.\\d{4}$");
    double sum = 0;
    for (const QString& line : shares.mid(1)) {
        const QRegularExpressionMatch found = share.match(line);
        ASSERT_TRUE(found.hasMatch()) << line.toStdString();
        sum += found.captured(3).toDouble();
    }
    EXPECT_NEAR(sum, 1, 2e-4);
    EXPECT_GT(shares[1].section(' ', 3, 3).toDouble(), shares[2].section(' ', 3, 3).toDouble()) << "strong beats beginner";
}

// A table read a player a line gets each one's chances, in its order: 110
// with only the Daxo left wins only with it, against a sure 112. A bad line
// or level is named, and nothing is said of a table not read whole.
TEST(DaxoCoach, SaysEachPlayersChances)
{
#ifdef DAXO_SANITIZED
    GTEST_SKIP() << "the whole table is worked out in the optimised build";
#endif
    const QByteArray last = "\t1,2,3,4,5,6,Full,Suite,Carre,Plus,Moins\t70\t25\t12\n";
    const QByteArray ahead = "regular\t112" + QByteArray(last).replace("Carre,", "Carre,Daxo,");
    const Finished table = run({"chances"}, "perfect\t110" + last + ahead);
    EXPECT_EQ(table.status, 0) << table.err.toStdString();
    EXPECT_EQ(table.out, "win 0.046029\tshared 0.000000\nwin 0.953971\tshared 0.000000\n");
    const Finished bad = run({"chances"}, "expert\t0\t-\t0\t-\t-\nperfect\t0\t-\t0\n");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "daxo-coach: line 1, level: \"expert\" is not one of beginner, regular, strong, perfect\n"
                       "daxo-coach: line 2, line: six fields separated by tabs are needed, not 4\n");
    EXPECT_TRUE(bad.out.isEmpty());
}

// An answer that cannot be written is a failure.
TEST(DaxoCoach, AFailedWriteIsAnError)
{
#ifdef DAXO_SANITIZED
    GTEST_SKIP() << "the whole table is worked out in the optimised build";
#endif
    QProcess coach;
    coach.setStandardOutputFile("/dev/full");
    coach.start(DAXO_COACH_EXECUTABLE, {"advise", "--threads=99999999999"});
    coach.write("-\t0\t-\t-\t66666\t2\n");
    coach.closeWriteChannel();
    ASSERT_TRUE(coach.waitForFinished(120000));
    EXPECT_EQ(coach.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(coach.readAllStandardError()),
              "daxo-coach: the output could not be written: No space left on device\n");
}

} // namespace
