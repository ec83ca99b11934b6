#pragma once
// Whole files and file names, as the platform's file routines gave them.

#include <QByteArray>
#include <QString>

// The file's bytes; raises EFOpenError (saying which file and why) when it cannot be read.
QByteArray ReadFileBytes(const QString& FileName);
// The folder part including the last separator ("a/b/skin.ini" gives "a/b/"), or "".
QString ExtractFilePath(const QString& FileName);
// The part after the last separator.
QString ExtractFileName(const QString& FileName);
