#include "storage/settings_file.h"
#include "support/unprivileged.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <tuple>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The set name from the first line, the code from the last, whatever ends
// the lines; a big file is read at its two ends, and a line cut off by
// either end is not taken. (What the board makes of them is its own test.)
TEST_F(SettingsFile, ReadsTheSetFromTheFirstLineAndTheCodeFromTheLast)
{
    const std::tuple<QByteArray, std::string, std::string> files[] = {
        {"Image 2\rX\rF\r\n", "Image 2", "F"},
        {"Image 2\rE\r\r\n", "Image 2", ""},
        {"Image 4\nE\n", "Image 4", "E"},
        {"Image 4\rE", "Image 4", "E"},
        {"Image 3\r\n", "Image 3", ""},
        {"Image 5\r" + QByteArray(8000, 'x') + "\rE\r\n", "Image 5", "E"},
        {"Image 5\r" + QByteArray(1 << 20, 'x') + "\rE\r\n", "Image 5", "E"},
        {QByteArray(9000, 'y') + "\rE\r\n", "", "E"},
    };
    ASSERT_TRUE(QDir().mkpath(folder.filePath("daxo")));
    for (const auto& [bytes, set, code] : files) {
        put(path, bytes);
        const StoredSettings read = readSettingsFile(path);
        EXPECT_EQ(std::pair(read.setName, read.languageCode), std::pair(set, code)) << bytes.left(20).toStdString();
    }
}

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

// A writable file in a folder the player may not write to: no new file can
// be made beside it, so the file is written in place rather than the choice
// lost. Root may write anywhere, so there the probe writes as nobody.
TEST_F(SettingsFile, AWritableFileInAReadOnlyFolderIsWrittenInPlace)
{
    const QString settingsFolder = folder.filePath("daxo");
    ASSERT_TRUE(QDir().mkpath(settingsFolder));
    put(path, previous);
    using test::UnprivilegedProgram;
    const UnprivilegedProgram writer(SETTINGS_WRITER_PROBE);
    if (UnprivilegedProgram::root()) {
        ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
        for (const QString& owned : {settingsFolder, path})
            ASSERT_EQ(::chown(QFile::encodeName(owned).constData(), UnprivilegedProgram::kNobody,
                              UnprivilegedProgram::kNobody), 0);
    }
    ASSERT_EQ(::chmod(QFile::encodeName(settingsFolder).constData(), 0555), 0);

    QProcess probe;
    probe.setChildProcessModifier(&UnprivilegedProgram::dropPrivileges);
    probe.start(writer.program(), {path, "Image 5", "F"});
    ASSERT_TRUE(probe.waitForFinished(10000));
    EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
    EXPECT_EQ(contentsOf(path), "Image 5\rF\r\n");
    EXPECT_EQ(QDir(settingsFolder).entryList(QDir::Files), QStringList{"images.ini"});
    ::chmod(QFile::encodeName(settingsFolder).constData(), 0755); // so that the folder can be removed
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
