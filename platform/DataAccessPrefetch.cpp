#include "platform/DataAccessPrefetch.h"

#include "platform/DataAccess.h"

#include <sqlite3.h>

#include <memory>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <utility>

namespace {

constexpr int kReadAheadWait = 500; // ms

// Started, waited for and taken on the program's thread only; the worker touches nothing but
// its own connection.
struct TPrefetch {
    QString Source;
    bool ReadOnly = false;
    std::pair<dev_t, ino_t> File{}; // the file the connection opened, whatever its name
    std::unique_ptr<TADOConnection> Connection;
    std::thread Worker;

    ~TPrefetch() { Wait(); } // the program may end while it reads
    void Wait() {
        if (Worker.joinable()) Worker.join();
    }
};

// Which file a path names now; none when it names none.
std::optional<std::pair<dev_t, ino_t>> FileAt(const QString& Path) {
    struct stat st {};
    if (::stat(Path.toUtf8().constData(), &st) != 0) return std::nullopt;
    return std::pair(st.st_dev, st.st_ino);
}

std::unique_ptr<TPrefetch>& Pending() {
    static std::unique_ptr<TPrefetch> pending;
    return pending;
}

void Read(TADOConnection* Connection, const QString& Statement) {
    try {
        TADOQuery query(nullptr);
        query.SetConnection(Connection);
        query.SQL()->Add(Statement);
        query.Open();
    } catch (...) {
        // A damaged file, a missing table, a lock held too long: the taker reads for itself.
        Connection->Close();
    }
}

} // namespace

void PrefetchTable(const QString& ConnectionString, const QString& Statement) {
    DropPrefetch();
    auto prefetch = std::make_unique<TPrefetch>();
    prefetch->Connection = std::make_unique<TADOConnection>(nullptr);
    TADOConnection& connection = *prefetch->Connection;
    connection.SetConnectionString(ConnectionString);
    // A file another program keeps locked is left to the taker, which waits as long as it
    // always does, rather than waiting twice.
    connection.SetBusyTimeout(kReadAheadWait);
    prefetch->Source = connection.DataSource();
    prefetch->ReadOnly = connection.ReadOnly();
    // Opened here, so that the worker never looks for a prefetch itself.
    const auto before = FileAt(prefetch->Source);
    try {
        connection.Open();
    } catch (const EDatabaseError&) {
        return; // no file yet: nothing to read ahead
    }
    if (!before || before != FileAt(prefetch->Source)) return; // replaced while opened
    prefetch->File = *before;
    prefetch->Worker = std::thread(Read, &connection, Statement);
    Pending() = std::move(prefetch);
}

void WaitForPrefetch() {
    if (Pending()) Pending()->Wait();
}

void DropPrefetch() {
    Pending().reset();
}

bool TakePrefetched(TADOConnection& Into) {
    std::unique_ptr<TPrefetch>& pending = Pending();
    if (!pending || pending->Source != Into.DataSource() || pending->ReadOnly != Into.ReadOnly())
        return false;
    pending->Wait();
    TADOConnection& from = *pending->Connection;
    // A file moved away and another put in its place meanwhile is not the one read.
    const bool taken = from.FDb != nullptr && FileAt(pending->Source) == pending->File;
    if (taken) {
        Into.FDb = std::exchange(from.FDb, nullptr);
        Into.FKept = std::move(from.FKept);
        Into.FKeptStamp = from.FKeptStamp;
        sqlite3_busy_timeout(Into.FDb, Into.FBusyTimeout);
    }
    pending.reset();
    return taken;
}
