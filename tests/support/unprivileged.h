#pragma once

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace daxo::test {

// Root may write anywhere, so a probe that must meet a refusal runs as
// nobody. Nobody may not enter the folders of a checkout in /root or in a
// private temporary folder; the probe runs from a copy in a folder every
// user can enter, which goes with this object.
class UnprivilegedProgram {
public:
    static constexpr uid_t kNobody = 65534;

    explicit UnprivilegedProgram(const QString& program)
        : copy_(program)
    {
        if (!root())
            return;
        EXPECT_EQ(::chmod(QFile::encodeName(folder_.path()).constData(), 0755), 0);
        copy_ = folder_.filePath(QFileInfo(program).fileName());
        EXPECT_TRUE(QFile::copy(program, copy_)) << program.toStdString();
        EXPECT_EQ(::chmod(QFile::encodeName(copy_).constData(), 0755), 0);
    }

    static bool root() { return ::geteuid() == 0; }
    // The program to start: the copy, for root.
    const QString& program() const { return copy_; }

    // In the child, before the program starts: becomes nobody when root.
    // Exits 3 when it cannot, so that no test passes as root by mistake.
    static void dropPrivileges()
    {
        if (root() && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(3);
    }

private:
    QTemporaryDir folder_;
    QString copy_;
};

} // namespace daxo::test
