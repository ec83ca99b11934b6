#include "platform/DataAccessPrefetch.h"

#include "platform/DataAccess.h"

#include <sqlite3.h>

#include <memory>
#include <thread>

namespace {

// Started, waited for and taken on the program's thread only; the worker touches nothing but
// its own connection.
struct TPrefetch {
    QString Source;
    bool ReadOnly = false;
    std::unique_ptr<TADOConnection> Connection;
    std::thread Worker;

    ~TPrefetch() { Wait(); } // the program may end while it reads
    void Wait() {
        if (Worker.joinable()) Worker.join();
    }
};

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
    prefetch->Source = connection.DataSource();
    prefetch->ReadOnly = connection.ReadOnly();
    // Opened here, so that the worker never looks for a prefetch itself.
    try {
        connection.Open();
    } catch (const EDatabaseError&) {
        return; // no file yet: nothing to read ahead
    }
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
    const bool taken = from.FDb != nullptr;
    if (taken) {
        Into.FDb = std::exchange(from.FDb, nullptr);
        Into.FKept = std::move(from.FKept);
        Into.FKeptStamp = from.FKeptStamp;
        sqlite3_busy_timeout(Into.FDb, Into.FBusyTimeout);
    }
    pending.reset();
    return taken;
}
