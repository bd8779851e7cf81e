// db copy of the million-row database between the engines: to a PostgreSQL
// server the bench starts for itself (tests/pg/test_server.sh) and back to a
// file, beside a copy from file to file as the baseline. Without the
// PostgreSQL programs the server benchmarks are skipped with a message.
#include "million_machine_rows.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The throwaway server, started at the first use and stopped at exit.
class BenchServer {
public:
    static BenchServer& instance()
    {
        static BenchServer kInstance;
        return kInstance;
    }
    ~BenchServer()
    {
        if (!host_.isEmpty())
            QProcess::execute(QStringLiteral("sh"), {script(), QStringLiteral("stop"), info()});
    }
    // The URI of a new, empty database; empty when no server runs.
    QString newDatabase()
    {
        if (host_.isEmpty())
            return {};
        const QString name = QStringLiteral("copy%1").arg(++databases_);
        const QString base = QStringLiteral("postgresql://laundry@/%2?host=%1&port=%3");
        QProcess psql;
        psql.start(QStringLiteral("psql"),
                   {base.arg(host_, QStringLiteral("postgres"), port_), QStringLiteral("-qc"),
                    QStringLiteral("CREATE DATABASE ") + name});
        if (!psql.waitForFinished(60000) || psql.exitCode() != 0)
            return {};
        return base.arg(host_, name, port_);
    }
    const QString& unavailable() const { return unavailable_; }

private:
    BenchServer()
    {
        QProcess::execute(QStringLiteral("sh"), {script(), QStringLiteral("start"), info()});
        QFile file(info());
        if (file.open(QIODevice::ReadOnly)) {
            for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
                if (line.startsWith(QLatin1String("host=")))
                    host_ = line.mid(5);
                else if (line.startsWith(QLatin1String("port=")))
                    port_ = line.mid(5);
            }
        }
        if (host_.isEmpty() || port_.isEmpty()) {
            host_.clear();
            unavailable_ = QStringLiteral("no PostgreSQL server could be started (are the "
                                          "PostgreSQL programs installed?); skipped");
        }
    }
    static QString script()
    {
        return QStringLiteral(LAUNDRY_SOURCE_DIR "/tests/pg/test_server.sh");
    }
    QString info() const { return dir_.filePath(QStringLiteral("server.info")); }

    QTemporaryDir dir_;
    QString host_;
    QString port_;
    QString unavailable_;
    int databases_ = 0;
};

// One copy an iteration into a target the body makes afresh.
template <typename Target>
void timeCopies(benchmark::State& state, const QString& from, Target newTarget,
                const std::string& baseline, bool isBaseline)
{
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString to = newTarget();
        state.ResumeTiming();
        if (to.isEmpty()) {
            state.SkipWithError(BenchServer::instance().unavailable().toStdString().c_str());
            return;
        }
        QElapsedTimer timer;
        timer.start();
        QString error;
        if (!dbhelper::copyDatabase(from, to, false, &error)) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
        seconds += double(timer.nsecsElapsed()) * 1e-9;
    }
    seconds /= double(state.iterations());
    if (isBaseline)
        bench::recordBaseline(baseline, seconds);
    else
        bench::reportRatio(state, baseline, seconds);
}

QTemporaryDir& targets()
{
    static QTemporaryDir kDir;
    return kDir;
}

QString newFile()
{
    static int files = 0;
    return targets().filePath(QStringLiteral("copy%1.mdb").arg(++files));
}

// The server database the file was last copied to, for the way back.
QString& lastServerCopy()
{
    static QString kUri;
    return kUri;
}

void BM_CopyDatabase_FileToFile(benchmark::State& state)
{
    timeCopies(state, bench::MillionMachineRows::instance().path(), newFile, "file_copy", true);
}
BENCHMARK(BM_CopyDatabase_FileToFile)->Unit(benchmark::kSecond)->Iterations(1);

void BM_CopyDatabase_FileToServer(benchmark::State& state)
{
    timeCopies(
        state, bench::MillionMachineRows::instance().path(),
        [] { return lastServerCopy() = BenchServer::instance().newDatabase(); }, "file_copy",
        false);
}
BENCHMARK(BM_CopyDatabase_FileToServer)->Unit(benchmark::kSecond)->Iterations(1);

void BM_CopyDatabase_ServerToFile(benchmark::State& state)
{
    if (lastServerCopy().isEmpty()) {
        state.SkipWithError("no server database to copy from (BM_CopyDatabase_FileToServer "
                            "makes it)");
        return;
    }
    timeCopies(state, lastServerCopy(), newFile, "file_copy", false);
}
BENCHMARK(BM_CopyDatabase_ServerToFile)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
