// The real program, started as a player starts it, headless.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

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
    QTemporaryDir config;
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
