// reader-manager answers its command line before it opens a display, so
// that help, the version and a wrong argument work on a machine without one.
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

struct Answer {
    int exitCode;
    QString out;
    QString err;
};

Answer runWithoutDisplay(const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(READER_MANAGER_PATH), args);
    EXPECT_TRUE(process.waitForFinished(20000));
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(ReaderManagerArguments, AreAnsweredWithoutADisplay)
{
    const Answer help = runWithoutDisplay({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--data <DIR>")) << help.out.toStdString();
    EXPECT_FALSE(help.out.contains("-platform")) << "Qt's own options stay out of the help";

    EXPECT_EQ(runWithoutDisplay({"-platform", "offscreen", "--version"}).exitCode, 0);

    for (const QStringList& wrong :
         {QStringList{"--bogus"}, QStringList{"stray"}, QStringList{"--data"}}) {
        const Answer refused = runWithoutDisplay(wrong);
        EXPECT_EQ(refused.exitCode, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(refused.err.startsWith("reader-manager: ") && refused.err.count('\n') == 1)
            << refused.err.toStdString();
    }
}

} // namespace
