// Runs the laundrycard program as a script would: in a temporary folder,
// with its exit status and both output streams kept.
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace clitest {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline CliRun runLaundrycard(const QString& workingDirectory, const QStringList& args)
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(LAUNDRYCARD_PATH), args);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// A test over one temporary folder.
template <typename Base = ::testing::Test> class CliTest : public Base {
protected:
    CliRun run(const QStringList& args) { return runLaundrycard(dir_.path(), args); }
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

} // namespace clitest
