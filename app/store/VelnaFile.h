#pragma once
// Where the program's database lies and making sure it is usable before the window touches it.

#include <QString>
#include <optional>

// The folder part of the program's own path, ending with the separator ("" for a bare name).
QString ProgramFolder(const QString& ProgramPath);
// "velna.dll" in the program's folder.
QString DatabasePath(const QString& ProgramPath);
// The connection string the window sets on its connection.
QString DatabaseConnectionString(const QString& ProgramPath);

// Creates the database with both tables when the file does not exist (readable by its owner
// only). An existing file is only read, never changed: when it cannot serve as the program's
// database the result is a message for the user naming the file and the fault.
std::optional<QString> PrepareDatabase(const QString& Path);
