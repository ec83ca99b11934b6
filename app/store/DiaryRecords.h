#pragma once
// The diary and settings as whole records, for work done without the window (export, import):
// each call runs the program's own statements on a query of its own.

#include "app/store/VelnaStore.h"

#include <optional>
#include <vector>

// A diary row as stored; the date stays text, since a file written by another program may hold
// one that is not a date.
struct StoredDiary {
    int ID = 0;
    QString DateText;
    QString Status;
    QString Diary;
};

struct NewDiary {
    TDateTime Date = 0;
    QString Status;
    QString Diary;
};

// Every row in the order the file holds them (the last is the one the window starts from).
std::vector<StoredDiary> ReadAllDiary(TADOConnection& Connection);
// The first settings row; none when there is none.
std::optional<CycleSettings> ReadSettings(TADOConnection& Connection);
// Adds the rows in one transaction: either all of them are written or, on an error, none.
// Status and text are trimmed and the date stored as short date text, as the diary form does.
void AppendDiary(TADOConnection& Connection, const std::vector<NewDiary>& Rows);
