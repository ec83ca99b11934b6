#pragma once
// The statements the main window runs on its database, in the order it runs them, on the
// window's one connection and its one reused query.

#include "app/store/DiaryTable.h"
#include "app/store/VelnaMessages.h"
#include "platform/DataAccess.h"

#include <optional>
#include <vector>

// One line of the diary list.
struct DiaryRow {
    int ID = 0;
    TDateTime Date = 0;
    QString BadDate; // the stored text when it is no date; Date is then 0
    QString Status;
    QString Diary;
};

// One diary entry as the entry form loads it; the date is left as stored, since only some
// callers parse it.
struct DiaryEntry {
    int ID = 0;
    QString DateText;
    QString Status;
    QString Diary;
};

struct CycleSettings {
    QString Name;
    QString Regularity;
    int CycleLength = 0;
    QString LastPeriod; // as the date mask shows it
    QString Notes;
    QString CycleLengthText = {}; // the stored text when it is no number (CycleLength is then 0)
};

class VelnaStore {
public:
    // The query is bound to the connection if it is not already.
    VelnaStore(TADOConnection& Dconnect, TADOQuery& recordset_temp);

    // Starts reading the whole diary on a second thread, before the window is built; the
    // window's connection on that file takes the rows for the show step's first read while the
    // file is unchanged, and reads for itself otherwise.
    static void ReadDiaryAhead(const QString& ConnectionString);

    // Show, first read: the date of the last diary row; none when the diary is empty. The
    // result stays open until the next statement replaces it.
    std::optional<TDateTime> LastDiaryDate();
    // Show, second read: the cycle length of the first settings row, 0 without one. Closes.
    int StoredCycleLength();

    // Every diary row in the order the file holds them; leaves the result open. Dates that
    // are no dates are noted as bad values.
    DiaryTable LoadDiaryTable();
    // The same rows, converted.
    std::vector<DiaryRow> LoadDiaryList();
    // Leaves the result open.
    std::optional<DiaryEntry> LoadDiaryEntry(int ID);

    // Leaves the result open for SaveSettings; none when the table has no row yet.
    std::optional<CycleSettings> LoadSettings();
    // Writes into the row LoadSettings left open, creating it when there was none. Name,
    // regularity and notes are trimmed; the period date is kept exactly as given.
    void SaveSettings(const CycleSettings& Settings);

    // Status and diary text are trimmed; the date is stored as short date text. Both close.
    int InsertDiary(TDateTime Date, const QString& Status, const QString& Diary);
    void UpdateDiary(int ID, TDateTime Date, const QString& Status, const QString& Diary);
    void DeleteDiary(int ID);

    // Values the reads above could not convert since the last call, each named once; the reads
    // go on with the rest instead of failing.
    std::vector<BadValue> TakeBadValues();

private:
    void Run(const QString& Statement);
    void NoteBadValue(BadValue Value);
    // Runs Step; an engine failure becomes a message in Chinese naming Operation and the file.
    template <class F> auto Guarded(const char* Operation, F&& Step);
    void WriteDiary(TDateTime Date, const QString& Status, const QString& Diary);

    TADOConnection& FConnection;
    TADOQuery& FQuery;
    std::vector<BadValue> FBadValues; // every one met; those from FTaken on are not yet taken
    size_t FTaken = 0;
};
