// A connection cut at the worst moments, by a proxy between the DAO layer and
// the test server: before the insert reaches the server, and after the
// server committed it but before its answer came back. Either way the row is
// stored exactly once and the caller sees no error.
#include "db_test_support.h"

#include <QRegularExpression>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <tuple>

namespace {

// Relays connections on a local TCP port to the server's Unix socket. Once
// armed, the first chunk going the armed way that contains the marker is not
// forwarded: both sides of its connection are closed instead.
class CuttingProxy {
public:
    enum class Way { ToServer, ToClient };

    explicit CuttingProxy(const QByteArray& socketPath)
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        EXPECT_EQ(bind(listener_, reinterpret_cast<sockaddr*>(&address), size), 0);
        EXPECT_EQ(listen(listener_, 4), 0);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
        server_.sun_family = AF_UNIX;
        qstrncpy(server_.sun_path, socketPath.constData(), sizeof server_.sun_path);
        thread_ = std::thread([this] { relay(); });
    }
    ~CuttingProxy()
    {
        stop_ = true;
        thread_.join();
        while (!pairs_.empty())
            drop(0);
        close(listener_);
    }
    int port() const { return port_; }
    void arm(Way way, const QByteArray& marker)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        way_ = way, marker_ = marker;
    }
    int cuts() const { return cuts_; }

private:
    void relay()
    {
        while (!stop_) {
            std::vector<pollfd> fds{{listener_, POLLIN, 0}};
            for (const auto& [client, server] : pairs_)
                fds.insert(fds.end(), {{client, POLLIN, 0}, {server, POLLIN, 0}});
            if (poll(fds.data(), fds.size(), 20) <= 0)
                continue;
            // From the last pair back: a pair dropped leaves those before it
            // where they were.
            for (size_t pair = pairs_.size(); pair-- > 0;)
                if ((fds[2 * pair + 2].revents && !forward(pair, Way::ToClient)) ||
                    (fds[2 * pair + 1].revents && !forward(pair, Way::ToServer)))
                    drop(pair);
            if (fds[0].revents) {
                const int client = accept(listener_, nullptr, nullptr);
                const int server = socket(AF_UNIX, SOCK_STREAM, 0);
                EXPECT_EQ(connect(server, reinterpret_cast<sockaddr*>(&server_), sizeof server_),
                          0);
                pairs_.emplace_back(client, server);
            }
        }
    }
    // False when the connection is to be dropped: closed, or cut.
    bool forward(size_t pair, Way way)
    {
        const auto [client, server] = pairs_[pair];
        const int from = way == Way::ToServer ? client : server;
        char buffer[65536];
        const ssize_t got = read(from, buffer, sizeof buffer);
        const std::lock_guard<std::mutex> lock(mutex_);
        if (got > 0 && !marker_.isEmpty() && way == way_ &&
            QByteArray::fromRawData(buffer, got).contains(marker_)) {
            marker_.clear();
            ++cuts_;
            return false;
        }
        return got > 0 && write(from == client ? server : client, buffer, size_t(got)) == got;
    }
    void drop(size_t pair)
    {
        close(pairs_[pair].first);
        close(pairs_[pair].second);
        pairs_.erase(pairs_.begin() + qsizetype(pair));
    }

    int listener_ = socket(AF_INET, SOCK_STREAM, 0);
    int port_ = 0;
    sockaddr_un server_{};
    std::vector<std::pair<int, int>> pairs_; // client, server
    std::mutex mutex_;
    Way way_ = Way::ToServer;
    QByteArray marker_;
    std::atomic<int> cuts_{0};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST(LostReply, AnInsertOrDeleteCutOffAnywhereIsDoneExactlyOnce)
{
    dbtest::TempDatabase file(dbtest::Engine::Postgres);
    DBTEST_REQUIRE(file);
    // The test server's URI names its socket folder and port.
    const auto parts =
        QRegularExpression("@/([^?]+)\\?host=([^&]+)&port=(\\d+)").match(file.path());
    ASSERT_TRUE(parts.hasMatch()) << file.path().toStdString();
    CuttingProxy proxy(
        QString("%1/.s.PGSQL.%2").arg(parts.captured(2), parts.captured(3)).toUtf8());
    CdbDatabase db = CdbDBEngine().OpenDatabase(
        QString("postgresql://laundry@127.0.0.1:%1/%2?sslmode=disable&gssencmode=disable")
            .arg(proxy.port())
            .arg(parts.captured(1)));
    // SERIAL INFO has no unique index that would refuse a doubled row.
    CdbRecordset rs = db.OpenRecordset("SERIAL INFO");
    const auto add = [&](const QString& serial) {
        rs.AddNew();
        rs.SetField("SERIAL", serial);
        rs.Update();
    };
    const auto stored = [&] {
        QStringList serials;
        for (const QVariant& serial :
             dbtest::RawDb(file.path())
                 .firstColumn("SELECT [SERIAL] FROM [SERIAL INFO] ORDER BY [ID]"))
            serials << serial.toString();
        return serials.join(", ").toStdString();
    };

    using Way = CuttingProxy::Way;
    QStringList expected;
    for (const auto& [what, way, marker] :
         {std::tuple{"the insert never arrives", Way::ToServer, "INSERT"},
          std::tuple{"its answer is lost", Way::ToClient, "INSERT 0 1"}}) {
        SCOPED_TRACE(what);
        proxy.arm(way, marker);
        const char* name = what; // a lambda may not take a structured binding (C++17)
        EXPECT_EQ(dbtest::daoError([&] { add(name); }), 0);
        add("after");
        expected << what << "after";
        EXPECT_EQ(stored(), expected.join(", ").toStdString());
    }
    // A delete whose answer is lost is not reported as a row deleted before.
    rs.MoveFirst();
    proxy.arm(Way::ToClient, "DELETE 1");
    EXPECT_EQ(dbtest::daoError([&] { rs.Delete(); }), 0);
    expected.removeFirst();
    EXPECT_EQ(stored(), expected.join(", ").toStdString());
    EXPECT_EQ(proxy.cuts(), 3);
}

} // namespace
