// Whole-table reads kept while the file is unchanged. The file counts as changed when this
// connection wrote through its write transactions or otherwise changed rows, or when another
// connection (another copy of the program) committed anything.

#include "platform/DataAccess.h"

#include <sqlite3.h>

namespace {
constexpr size_t kKeptReads = 2; // the diary and the settings, which the start reads in turn
}

std::pair<long long, long long> TADOConnection::ChangeStamp() {
    long long version = -1;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(Handle(), "PRAGMA data_version", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        version = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return {version, sqlite3_total_changes64(FDb)};
}

const TADOConnection::TKeptRead* TADOConnection::KeptRead(const QString& Text) {
    Open(); // takes a table read ahead, if any
    if (FKept.empty()) return nullptr;
    const std::pair<long long, long long> now = ChangeStamp();
    if (now.first < 0 || now != FKeptStamp) {
        FKept.clear();
        return nullptr;
    }
    for (const TKeptRead& read : FKept)
        if (read.Text == Text) return &read;
    return nullptr;
}

void TADOConnection::KeepRead(TKeptRead Read, std::pair<long long, long long> Stamp) {
    // Changed while it was read: the rows may be older than the stamp says.
    if (Stamp.first < 0 || ChangeStamp() != Stamp) return;
    if (Stamp != FKeptStamp) FKept.clear();
    FKeptStamp = Stamp;
    std::erase_if(FKept, [&](const TKeptRead& K) { return K.Text == Read.Text; });
    FKept.insert(FKept.begin(), std::move(Read));
    if (FKept.size() > kKeptReads) FKept.pop_back();
}
