#pragma once
// What the program tells the user about its database: a Chinese sentence saying what happened
// and what to do, with the engine's own text after it for reference.

#include "platform/SysUtils.h"

#include <optional>
#include <vector>

// A stored value that could not be read as its column's kind.
struct BadValue {
    QString Table;  // "setting" or "velna"
    int Row = 0;    // 1-based, in the order the file returns the rows
    int ID = 0;     // the diary row's key; 0 for the settings row
    int Column = 0; // position in "select *"
    QString Text;   // the stored text
    QString Engine; // the conversion's own message
};

// Operation: what the program was doing, e.g. "保存例假设置". Path: the database file.
QString DatabaseFailure(const QString& Operation, const QString& Path, const QString& Engine);
// One message for all unreadable values found while loading.
QString BadValuesReport(const QString& Path, const std::vector<BadValue>& Values);
// Why the existing database at Path cannot take changes (file or folder not writable), or none.
std::optional<QString> DatabaseWriteProblem(const QString& Path);
