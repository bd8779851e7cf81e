// Input files are read within their limit whatever kind of file they are.
#include "card_test_support.h"

#include "card/input_file.h"

#include <QFile>

#include <sys/stat.h>
#include <thread>

namespace {

using InputFileTest = CardStackTest;

QString read(const QString& path, qint64 maxBytes, QByteArray* bytes, int idleMs = 10000)
{
    return card::readInputFile(QStringLiteral("test file"), path, {maxBytes, idleMs}, bytes);
}

TEST_F(InputFileTest, EveryKindOfFileIsHeldToItsLimit)
{
    QByteArray bytes;
    ASSERT_TRUE(testfiles::write(path("ten"), QByteArray(10, 'x')));
    EXPECT_EQ(read(path("ten"), 10, &bytes), QString());
    EXPECT_EQ(bytes, QByteArray(10, 'x'));
    EXPECT_EQ(read(path("ten"), 9, &bytes),
              "test file " + path("ten") + " is larger than the 9 bytes such a file may hold");
    EXPECT_TRUE(bytes.isEmpty());
    // A device without an end is refused at the limit, not read to the end of memory.
    EXPECT_TRUE(
        read("/dev/zero", 1 << 20, &bytes).endsWith("than the 1048576 bytes such a file may hold"));
    EXPECT_TRUE(read(dir_.path(), 10, &bytes).contains(dir_.path()));
    EXPECT_FALSE(read(path("missing"), 10, &bytes).isEmpty());
}

TEST_F(InputFileTest, APipeIsReadToItsEndAndASilentOneGivesUp)
{
    const QString fifo = path("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QByteArray bytes;
    EXPECT_EQ(read(fifo, 100, &bytes, 200),
              "cannot read test file " + fifo + ": no data arrived for 0.2 seconds");

    std::thread writer([fifo] {
        QFile out(fifo);
        if (out.open(QIODevice::WriteOnly))
            out.write("card bytes");
    });
    EXPECT_EQ(read(fifo, 100, &bytes), QString());
    writer.join();
    EXPECT_EQ(bytes, "card bytes");
}

} // namespace
