#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace daxo {
namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SettingsFile : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString path = folder.filePath("daxo/images.ini");
    const QByteArray previous{"Image 2\rE\r\n"};
};

TEST_F(SettingsFile, LivesInTheUsersConfigurationFolder)
{
    EXPECT_EQ(settingsFilePath(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/daxo/images.ini");
}

struct Saved {
    std::string set;
    std::string code;
    QByteArray bytes;
};

class SavedBytes : public SettingsFile, public ::testing::WithParamInterface<Saved> {};

TEST_P(SavedBytes, AreTheTwoCaptionsAndTheLineEnds)
{
    ASSERT_TRUE(writeSettingsFile(path, GetParam().set, GetParam().code)); // the folder is created
    EXPECT_EQ(contentsOf(path), GetParam().bytes);
    ASSERT_TRUE(writeSettingsFile(path, GetParam().set, GetParam().code)); // and the file replaced
    EXPECT_EQ(contentsOf(path), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Values, SavedBytes, ::testing::Values(
    Saved{"Image 4", "E", QByteArray("Image 4\rE\r\n")},
    Saved{"Image 3", "", QByteArray("Image 3\r\r\n")},
    Saved{"", "E", QByteArray("\rE\r\n")},
    Saved{"Image 9", "X\xff", QByteArray("Image 9\rX\xff\r\n")}));

TEST_F(SettingsFile, AFailedWriteLeavesThePreviousFileWhole)
{
    ASSERT_TRUE(QDir().mkpath(folder.filePath("daxo")));
    put(path, previous);

    // A disk that fills up while the file is written: the probe runs under a
    // file-size limit well below what it writes.
    QProcess probe;
    probe.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    probe.start(SETTINGS_WRITER_PROBE, {path, QString(100000, 'x'), "F"});
    ASSERT_TRUE(probe.waitForFinished(10000));
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.exitCode(), 1);
    EXPECT_EQ(contentsOf(path), previous);
    EXPECT_EQ(QDir(folder.filePath("daxo")).entryList(QDir::Files), QStringList{"images.ini"});
}

TEST_F(SettingsFile, ABlockedPathFailsQuietly)
{
    // The settings folder is a plain file.
    put(folder.filePath("daxo"), "not a folder");
    EXPECT_FALSE(writeSettingsFile(path, "Image 1", "F"));
    EXPECT_EQ(contentsOf(folder.filePath("daxo")), "not a folder");
    QFile::remove(folder.filePath("daxo"));

    // The settings file is a folder.
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(writeSettingsFile(path, "Image 1", "F"));
    EXPECT_TRUE(QFileInfo(path).isDir());
    QDir(path).removeRecursively();

    // The player made the file read-only.
    put(path, previous);
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    EXPECT_FALSE(writeSettingsFile(path, "Image 1", "F"));
    EXPECT_EQ(contentsOf(path), previous);
}

} // namespace
} // namespace daxo
