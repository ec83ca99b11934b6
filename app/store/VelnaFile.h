#pragma once
// Where the program's database lies and making sure it is usable before the window touches it.

#include "platform/SysUtils.h"

#include <optional>

// The folder part of the program's own path, ending with the separator ("" for a bare name).
QString ProgramFolder(const QString& ProgramPath);
// Where the data lives, ending with the separator: beside the program when the program may
// write there (a copy carried around keeps its data with it), else the user's data folder,
// $XDG_DATA_HOME/soveli/ or ~/.local/share/soveli/.
QString DataFolder(const QString& ProgramPath);
// The choice above with the outside world given; XdgDataHome counts only when absolute.
QString ChooseDataFolder(const QString& ProgramFolder, bool ProgramFolderWritable,
                         const QString& XdgDataHome, const QString& Home);
// "velna.dll" in the data folder.
QString DatabasePath(const QString& ProgramPath);
// The connection string the window sets on its connection.
QString DatabaseConnectionString(const QString& ProgramPath);

// Creates the database with both tables when the file does not exist (readable by its owner
// only). An existing file is only read, never changed: when it cannot serve as the program's
// database the result is a message for the user naming the file and the fault.
std::optional<QString> PrepareDatabase(const QString& Path);
// The same for the program's own database, first making the user's data folder (private to
// her) when that is where the data lives and it is not there yet.
std::optional<QString> PrepareProgramDatabase(const QString& ProgramPath);
