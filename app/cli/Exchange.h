#pragma once
// Moving the diary in and out of the program's database without the window: CSV both ways, an
// iCalendar file, and a backup copy of the database. Each returns what to tell the user.

#include "platform/SysUtils.h"

struct Outcome {
    bool Ok = false;
    QString Message; // in Chinese; an engine's or system's own text may follow
};

// The date column, the status and the text of every diary row, with the settings in comment
// lines before the header.
Outcome ExportCsv(const QString& Database, const QString& File);
// Adds the file's rows to the diary, leaving out rows the diary (or the file before them)
// already holds exactly; on the first bad line nothing is written and the line is named.
Outcome ImportCsv(const QString& Database, const QString& File);
// The diary entries as all-day events and, from the saved cycle length and the last diary
// entry's date, the phases of the six cycles from that date on. Stamp: now in UTC,
// "yyyyMMddThhmmssZ".
Outcome ExportIcs(const QString& Database, const QString& File, const QString& Stamp);
Outcome Backup(const QString& Database, const QString& File);
