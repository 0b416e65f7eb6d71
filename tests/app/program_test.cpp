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

// A player's folders of their own, empty but for a settings file, where the
// program runs headless without touching the real ones.
class PlayersFolders {
public:
    explicit PlayersFolders(const QByteArray& settings)
    {
        QDir().mkpath(config_.filePath("daxo"));
        QFile file(settingsPath());
        if (file.open(QIODevice::WriteOnly))
            file.write(settings);
    }

    QString settingsPath() const { return config_.filePath("daxo/images.ini"); }
    QString configPath(const QString& name) const { return config_.filePath("daxo/" + name); }

    void start(QProcess& daxo) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", config_.path());
        environment.insert("XDG_DATA_HOME", data_.path());
        environment.insert("XDG_CACHE_HOME", cache_.path());
        daxo.setProcessEnvironment(environment);
        daxo.start(DAXO_EXECUTABLE, {});
    }

    // The splash gives way to the board after a second; the board's load
    // step reads the settings and writes them again, the program's way.
    bool boardShown(const QProcess& daxo, const QByteArray& written) const
    {
        QElapsedTimer clock;
        clock.start();
        while (contentsOf(settingsPath()) != written && clock.elapsed() < 20000 && daxo.state() == QProcess::Running)
            QThread::msleep(20);
        return contentsOf(settingsPath()) == written;
    }

private:
    QTemporaryDir config_, data_, cache_;
};

TEST(Program, BringsBackTheSettingsOfTheLastRun)
{
    // A settings file as an editor with line feeds would leave it: set 4
    // and English. Restoring both writes the file again, the program's way.
    const PlayersFolders folders("Image 4\nE\n");
    QProcess daxo;
    folders.start(daxo);
    ASSERT_TRUE(daxo.waitForStarted());
    EXPECT_TRUE(folders.boardShown(daxo, "Image 4\rE\r\n"));
    EXPECT_EQ(daxo.state(), QProcess::Running);
    daxo.terminate();
    if (!daxo.waitForFinished(5000))
        daxo.kill();
}


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

// A seed must be a whole number; the program says so and stops, before
// any window.
TEST(Program, RefusesASeedThatIsNoWholeNumber)
{
    for (const char* seed : {"abc", "-5", "18446744073709551616"}) {
        const Ended run = runDaxo({"--seed", seed}, [](QProcessEnvironment& environment) {
            environment.remove("DISPLAY");
            environment.insert("QT_QPA_PLATFORM", "offscreen");
        });
        EXPECT_EQ(run.status, 2) << seed;
        EXPECT_TRUE(run.err.contains("the seed is a whole number")) << seed;
    }
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

// The end of a desktop session, or Ctrl+C in its terminal, ends the
// program as its Quit does: what it keeps for the next run is written, and
// it exits well.
TEST(Program, EndsCleanlyWhenTheSessionEnds)
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        const PlayersFolders folders("Image 1\nF\n");
        QProcess daxo;
        folders.start(daxo);
        ASSERT_TRUE(daxo.waitForStarted());
        ASSERT_TRUE(folders.boardShown(daxo, "Image 1\rF\r\n"));
        ::kill(static_cast<pid_t>(daxo.processId()), signal);
        ASSERT_TRUE(daxo.waitForFinished(20000));
        EXPECT_EQ(daxo.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(daxo.exitCode(), 0);
        EXPECT_TRUE(contentsOf(folders.configPath("daxo.conf")).contains("open=false")) << "kept for the next run";
    }
}

} // namespace
