// The real program, started as a player starts it, headless.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <functional>

#include <csignal>

#include <gtest/gtest.h>

namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Program, BringsBackTheSettingsOfTheLastRun)
{
    // A settings file as an editor with line feeds would leave it: set 4
    // and English. Restoring both writes the file again, the program's way.
    QTemporaryDir config, data, cache;
    ASSERT_TRUE(QDir().mkpath(config.filePath("daxo")));
    const QString settings = config.filePath("daxo/images.ini");
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Image 4\nE\n");
    file.close();

    QProcess daxo;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", config.path());
    environment.insert("XDG_DATA_HOME", data.path());
    environment.insert("XDG_CACHE_HOME", cache.path());
    daxo.setProcessEnvironment(environment);
    daxo.start(DAXO_EXECUTABLE, {});
    ASSERT_TRUE(daxo.waitForStarted());

    // The splash gives way to the board after a second; the board's load
    // step reads and rewrites the file.
    QElapsedTimer clock;
    clock.start();
    while (contentsOf(settings) != "Image 4\rE\r\n" && clock.elapsed() < 20000 && daxo.state() == QProcess::Running)
        QThread::msleep(50);
    EXPECT_EQ(contentsOf(settings), "Image 4\rE\r\n");
    EXPECT_EQ(daxo.state(), QProcess::Running);
    daxo.terminate();
    if (!daxo.waitForFinished(5000))
        daxo.kill();
}

} // namespace

namespace {

// A seed must be a whole number; the program says so and stops, before
// any window.
TEST(Program, RefusesASeedThatIsNoWholeNumber)
{
    for (const char* seed : {"abc", "-5", "18446744073709551616"}) {
        QProcess daxo;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        daxo.setProcessEnvironment(environment);
        daxo.start(DAXO_EXECUTABLE, {"--seed", seed});
        ASSERT_TRUE(daxo.waitForFinished(20000));
        EXPECT_EQ(daxo.exitCode(), 2) << seed;
        EXPECT_TRUE(daxo.readAllStandardError().contains("the seed is a whole number")) << seed;
    }
}

} // namespace

namespace {

struct Ended {
    int status;
    QByteArray out;
    QByteArray err;
};

// The program started without a platform of its own choosing: as from a
// terminal with `environment` changed.
Ended runDaxo(const QStringList& arguments, const std::function<void(QProcessEnvironment&)>& change)
{
    QProcess daxo;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    change(environment);
    daxo.setProcessEnvironment(environment);
    daxo.start(DAXO_EXECUTABLE, arguments);
    EXPECT_TRUE(daxo.waitForFinished(20000));
    return {daxo.exitStatus() == QProcess::NormalExit ? daxo.exitCode() : -1, daxo.readAllStandardOutput(),
            daxo.readAllStandardError()};
}

// Without a display the player gets one line and the status 1, not Qt's
// page of messages and an abort.
TEST(Program, SaysInOneLineThatNoDisplayWasFound)
{
    const std::pair<const char*, const char*> displays[] = {
        {nullptr, "(neither DISPLAY nor WAYLAND_DISPLAY is set)"},
        {":97", "(DISPLAY :97 could not be reached)"},
    };
    for (const auto& [display, why] : displays) {
        const Ended run = runDaxo({}, [display](QProcessEnvironment& environment) {
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                environment.remove(name);
            if (display)
                environment.insert("DISPLAY", display);
        });
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, QByteArray("daxo: no display was found ") + why + "; start Daxo from a desktop session\n");
    }
}

// What the program does not take is refused before any window, and its
// usage names the program, wherever it was started from.
TEST(Program, RefusesStrayArgumentsAndNamesItselfInItsUsage)
{
    auto offscreen = [](QProcessEnvironment& environment) { environment.insert("QT_QPA_PLATFORM", "offscreen"); };
    const Ended stray = runDaxo({"foo", "bar"}, offscreen);
    EXPECT_EQ(stray.status, 2);
    EXPECT_EQ(stray.err, "daxo: unexpected argument \"foo\"\nTry 'daxo --help' for more information.\n");
    const Ended help = runDaxo({"--help"}, offscreen);
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: daxo [options]\n")) << help.out.left(80).toStdString();
}

} // namespace

namespace {

// The end of a desktop session ends the program as its Quit does: what it
// keeps for the next run is written, and it exits well.
TEST(Program, EndsCleanlyWhenTheSessionEnds)
{
    for (const int signal : {SIGTERM, SIGHUP}) {
        QTemporaryDir config, data, cache;
        ASSERT_TRUE(QDir().mkpath(config.filePath("daxo")));
        QFile settings(config.filePath("daxo/images.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("Image 1\nF\n");
        settings.close();
        QProcess daxo;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", config.path());
        environment.insert("XDG_DATA_HOME", data.path());
        environment.insert("XDG_CACHE_HOME", cache.path());
        daxo.setProcessEnvironment(environment);
        daxo.start(DAXO_EXECUTABLE, {});
        ASSERT_TRUE(daxo.waitForStarted());
        // The board is up once its load step has written the settings again.
        QElapsedTimer clock;
        clock.start();
        while (contentsOf(settings.fileName()) != "Image 1\rF\r\n" && clock.elapsed() < 20000)
            QThread::msleep(20);
        ::kill(static_cast<pid_t>(daxo.processId()), signal);
        ASSERT_TRUE(daxo.waitForFinished(20000));
        EXPECT_EQ(daxo.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(daxo.exitCode(), 0);
        EXPECT_TRUE(contentsOf(config.filePath("daxo/daxo.conf")).contains("open=false")) << "kept for the next run";
    }
}

} // namespace
