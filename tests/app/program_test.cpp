// The real program, started as a player starts it, headless.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

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
