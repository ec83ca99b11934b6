#pragma once
// The program's own file work, so code outside the platform never opens files itself: creating
// a file only when it is new, reading a bounded amount, writing a file whole or not at all, and
// the folders the user's data may live in.

#include <QByteArray>
#include <QString>

namespace files {

bool Exists(const QString& Path); // anything at all: file, folder, device
bool IsFolder(const QString& Path);
// A folder the program may create files in (it exists and this user may write to it).
bool IsWritableFolder(const QString& Path);
QString AbsolutePath(const QString& Path);
// Both names lead to the same file on disk.
bool SameFile(const QString& A, const QString& B);

enum class TCreated { Created, AlreadyThere, Failed };
// Creates an empty file readable and writable by its owner only; an existing file is never
// opened, whatever it holds. Error is set on Failed.
TCreated CreateNewPrivateFile(const QString& Path, QString& Error);
bool Remove(const QString& Path);

// At most Count bytes from the start; false with Error when the file cannot be read.
bool ReadHead(const QString& Path, int Count, QByteArray& Bytes, QString& Error);
// The whole file; a file larger than MaxBytes is refused rather than read.
bool ReadAll(const QString& Path, qint64 MaxBytes, QByteArray& Bytes, QString& Error);
// Writes through a temporary file beside Path that replaces it at the end, so a failure leaves
// whatever was there and no half-written file. The result is readable by the owner only when
// Private is set.
bool WriteWhole(const QString& Path, const QByteArray& Bytes, bool Private, QString& Error);
// A fresh name for a temporary file beside Path (the file itself is not created).
QString TemporaryNameBeside(const QString& Path);
// Renames From over To (same file system), replacing To.
bool Replace(const QString& From, const QString& To, QString& Error);

// Makes the folder and any missing parents; a folder made here is private to its owner.
bool MakePrivateFolder(const QString& Path, QString& Error);
// An environment variable as text; empty when unset.
QString EnvironmentVariable(const char* Name);
QString HomeFolder();
// The text of the last system error (errno), for messages.
QString SystemErrorText(int Error);

void SleepMilliseconds(int MSecs);

} // namespace files
