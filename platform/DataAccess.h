#pragma once
// A database connection and a query over SQLite with the operations the program's data store
// uses. A query loads its whole result on Open, so the row count is known at once, and writes
// edited or inserted rows back to the one table it selected from.

#include "platform/Classes.h"
#include "platform/DataAccessSql.h"
#include "platform/ResultTable.h"
#include "platform/Strings.h"
#include "platform/SysUtils.h"

#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

struct sqlite3;

class TADOConnection : public TComponent {
public:
    explicit TADOConnection(TComponent* AOwner);
    ~TADOConnection() override;

    // "Key=Value;..." pairs; "Data Source" names the file, "Mode=Read" opens it read-only.
    const QString& ConnectionString() const { return FConnectionString; }
    // Closes an open connection first.
    void SetConnectionString(const QString& Value);
    QString DataSource() const;
    // "Mode=Read" (among the modes) opens the file read-only.
    bool ReadOnly() const;

    bool Connected() const { return FDb != nullptr; }
    void SetConnected(bool Value);
    // Opens an existing file (never creates one); queries and Execute call it on first use.
    void Open();
    void Close();

    // How long a statement waits for another process's lock before failing.
    int BusyTimeout() const { return FBusyTimeout; }
    void SetBusyTimeout(int MSecs);

    // Runs a command text as one transaction; returns the number of rows it changed.
    int Execute(const QString& CommandText);

    // For queries: the open engine handle, and running work as one write transaction that is
    // rolled back if the work throws.
    sqlite3* Handle();
    void InWriteTransaction(const std::function<void()>& Work);
    [[noreturn]] void RaiseEngineError() const;

    // A whole table as read, kept while the file stays unchanged, so that reading the same
    // table again (the window reads the diary twice at start) costs nothing.
    struct TKeptRead {
        QString Text; // the statement as the engine ran it
        std::shared_ptr<TResultTable> Rows;
        std::vector<QString> Names;
    };
    const TKeptRead* KeptRead(const QString& Text);
    // Stamp: ChangeStamp() taken before the read.
    void KeepRead(TKeptRead Read, std::pair<long long, long long> Stamp);
    // Changes by this connection and by any other since the file was opened.
    std::pair<long long, long long> ChangeStamp();

private:
    friend bool TakePrefetched(TADOConnection& Into); // a table read ahead on another thread
    QString Value(const QString& Key) const;

    QString FConnectionString;
    sqlite3* FDb = nullptr;
    int FBusyTimeout = 5000;
    std::vector<TKeptRead> FKept; // newest first
    std::pair<long long, long long> FKeptStamp;
};

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

class TADOQuery;

// One column of the current row (or of the row being edited).
class TField {
public:
    const QString& FieldName() const { return FFieldName; }
    int Index() const { return FIndex; }
    bool IsNull() const;
    QVariant Value() const;
    // A column holding no value reads as "" or 0.
    QString AsString() const;
    int AsInteger() const;
    // Numbers are taken as day counts; texts are parsed as a date (optionally with a time).
    TDateTime AsDateTime() const;
    void SetAsString(const QString& Value);
    void SetAsInteger(int Value);
    void SetValue(const QVariant& Value);

private:
    friend class TADOQuery;
    TField(TADOQuery* DataSet, int Index, const QString& Name)
        : FDataSet(DataSet), FIndex(Index), FFieldName(Name) {}

    TADOQuery* FDataSet;
    int FIndex;
    QString FFieldName;
};

class TADOQuery : public TComponent {
public:
    explicit TADOQuery(TComponent* AOwner);
    ~TADOQuery() override;

    TADOConnection* Connection() const { return FConnection; }
    void SetConnection(TADOConnection* Value);
    // The statement text; any change closes an open result.
    TStrings* SQL() { return &FSQL; }

    void Open();
    // Discards an unposted edit.
    void Close();
    bool Active() const { return FState != TDataSetState::dsInactive; }
    void SetActive(bool Value);
    TDataSetState State() const { return FState; }

    int RecordCount() const;
    // 1-based position of the current row; 0 when there is none.
    int RecNo() const;
    // Moving posts a pending edit first, as the platform's datasets did.
    void First();
    // As on the platform, Last leaves Eof set.
    void Last();
    void Next();
    void Prior();
    bool Eof() const { return FEof; }
    bool Bof() const { return FBof; }

    int FieldCount() const { return static_cast<int>(FFields.size()); }
    TField* Fields(int Index) const;
    // The rows of the open result, for readers that keep them (none when closed); they stay as
    // they are whatever the query does next.
    std::shared_ptr<const TResultTable> Result() const { return FRows; }

    // On a result without rows, Edit starts a new row.
    void Edit();
    // A new row before the current one.
    void Insert();
    // A new row after the last one.
    void Append();
    // Writes the edited or new row in one transaction; the row then holds what the file holds
    // (a new row gets its key).
    void Post();
    void Cancel();

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TField;
    struct Row {
        std::vector<QVariant> Values;
        long long RowId = 0;
    };

    void Adopt(const sqltext::SelectShape& Shape, std::shared_ptr<TResultTable> Rows,
               const std::vector<QString>& Names);
    void CheckActive() const;
    void CheckBrowseMode();
    void CheckUpdatable() const;
    void StartNewRow(int Position);
    // The current row of the result, -1 while editing or off the rows.
    int BrowsedRow() const;
    QVariant FieldValue(int Index) const;
    TResultTable& ChangedRows();
    void SetFieldValue(int Index, const QVariant& Value);
    long long WriteRow();
    Row ReadRow(long long RowId);
    QString ColumnList() const;

    TADOConnection* FConnection = nullptr;
    TStringList FSQL;
    TDataSetState FState = TDataSetState::dsInactive;
    sqltext::SelectShape FShape;
    std::vector<std::unique_ptr<TField>> FFields;
    std::vector<QString> FColumnNames; // as the engine is to be told, for writes
    std::shared_ptr<TResultTable> FRows;
    int FRecNo = -1;
    bool FEof = true;
    bool FBof = true;
    Row FBuffer;
    std::vector<int> FModified; // columns set since Edit/Insert, in the order they were set
    int FInsertAt = 0;
};
