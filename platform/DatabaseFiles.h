#pragma once
// Database files as files: telling one from anything else before opening it, and copying one
// consistently while other connections may be writing to it.

#include <QString>

enum class TDatabaseFileKind {
    Missing,    // nothing at the path
    Empty,      // a file of no bytes (another process may be creating the database)
    Database,   // starts as every database file of the engine does
    Other,      // a folder, or a file holding something else
    Unreadable, // exists but cannot be read; Error says why
};
TDatabaseFileKind ProbeDatabaseFile(const QString& Path, QString& Error);

// Copies the database at Source to Dest page by page through the engine's online backup, so
// the copy is one consistent state even while another connection writes; waits for a writer
// holding the file for a few seconds. Dest is replaced only when the copy is complete, and is
// readable by its owner only. Throws EDatabaseError with the engine's or the system's text.
void BackupDatabase(const QString& Source, const QString& Dest);
