#include "platform/DatabaseFiles.h"

#include "platform/Files.h"
#include "platform/SysUtils.h"

#include <sqlite3.h>

namespace {

constexpr int kBusyWaitMSecs = 5000;
constexpr int kRetryPauseMSecs = 50;

// An open engine handle, closed on every way out.
struct Handle {
    sqlite3* Db = nullptr;
    ~Handle() { sqlite3_close_v2(Db); }
    QString Error() const { return QString::fromUtf8(Db ? sqlite3_errmsg(Db) : "out of memory"); }
};

void OpenOrThrow(Handle& H, const QString& Path, int Flags) {
    if (sqlite3_open_v2(Path.toUtf8().constData(), &H.Db, Flags, nullptr) != SQLITE_OK)
        throw EDatabaseError(H.Error());
    sqlite3_busy_timeout(H.Db, kBusyWaitMSecs);
}

// Copies every page in one step (one read lock on the source for the whole copy); a writer
// holding the source makes the step busy, which is retried until the wait runs out.
void CopyPages(Handle& From, Handle& To) {
    sqlite3_backup* backup = sqlite3_backup_init(To.Db, "main", From.Db, "main");
    if (!backup) throw EDatabaseError(To.Error());
    int rc;
    int waited = 0;
    while ((rc = sqlite3_backup_step(backup, -1)) == SQLITE_BUSY || rc == SQLITE_LOCKED) {
        if (waited >= kBusyWaitMSecs) break;
        files::SleepMilliseconds(kRetryPauseMSecs);
        waited += kRetryPauseMSecs;
    }
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) throw EDatabaseError(QString::fromUtf8(sqlite3_errstr(rc)));
}

} // namespace

TDatabaseFileKind ProbeDatabaseFile(const QString& Path, QString& Error) {
    if (!files::Exists(Path)) return TDatabaseFileKind::Missing;
    if (files::IsFolder(Path)) return TDatabaseFileKind::Other;
    QByteArray head;
    if (!files::ReadHead(Path, 16, head, Error)) return TDatabaseFileKind::Unreadable;
    if (head.isEmpty()) return TDatabaseFileKind::Empty;
    return head == QByteArray("SQLite format 3\0", 16) ? TDatabaseFileKind::Database
                                                       : TDatabaseFileKind::Other;
}

void BackupDatabase(const QString& Source, const QString& Dest) {
    QString error;
    if (ProbeDatabaseFile(Source, error) != TDatabaseFileKind::Database)
        throw EDatabaseError(error.isEmpty() ? QStringLiteral("file is not a database") : error);
    if (files::SameFile(Source, Dest))
        throw EDatabaseError(QStringLiteral("the copy would overwrite the database itself"));
    const QString temp = files::TemporaryNameBeside(Dest);
    if (files::CreateNewPrivateFile(temp, error) != files::TCreated::Created)
        throw EDatabaseError(error);
    try {
        {
            Handle from, to;
            OpenOrThrow(from, Source, SQLITE_OPEN_READONLY);
            OpenOrThrow(to, temp, SQLITE_OPEN_READWRITE);
            CopyPages(from, to);
        }
        if (!files::Replace(temp, Dest, error)) throw EDatabaseError(error);
    } catch (...) {
        files::Remove(temp);
        throw;
    }
}
