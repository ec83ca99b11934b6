#include "platform/DataAccess.h"

#include "platform/DataAccessPrefetch.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>

namespace {

// Finalizes a statement on every path out.
class Statement {
public:
    Statement(TADOConnection& Conn, const QString& Sql) : conn(Conn) {
        QByteArray text = Sql.toUtf8();
        if (sqlite3_prepare_v2(conn.Handle(), text.constData(), static_cast<int>(text.size()),
                               &stmt, nullptr) != SQLITE_OK)
            conn.RaiseEngineError();
    }
    ~Statement() { sqlite3_finalize(stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void Bind(int Index, const QVariant& Value) {
        int rc = SQLITE_OK;
        switch (Value.typeId()) {
        case QMetaType::UnknownType:
            rc = sqlite3_bind_null(stmt, Index);
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Bool:
            rc = sqlite3_bind_int64(stmt, Index, Value.toLongLong());
            break;
        case QMetaType::Double:
            rc = sqlite3_bind_double(stmt, Index, Value.toDouble());
            break;
        case QMetaType::QByteArray: {
            QByteArray b = Value.toByteArray();
            rc = sqlite3_bind_blob64(stmt, Index, b.constData(), b.size(), SQLITE_TRANSIENT);
            break;
        }
        default: {
            QByteArray t = Value.toString().toUtf8();
            rc = sqlite3_bind_text64(stmt, Index, t.constData(), t.size(), SQLITE_TRANSIENT,
                                     SQLITE_UTF8);
        }
        }
        if (rc != SQLITE_OK) conn.RaiseEngineError();
    }

    // True while a row is available.
    bool Step() {
        int rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        conn.RaiseEngineError();
    }

    int ColumnCount() const { return sqlite3_column_count(stmt); }
    QString ColumnName(int i) const { return QString::fromUtf8(sqlite3_column_name(stmt, i)); }

    long long Integer(int i) const { return sqlite3_column_int64(stmt, i); }

    // The column of the current row, added to Table as stored.
    void AddColumnTo(TResultTable& Table, int i) const {
        // One call for the column, then the value's own cheap accessors: the connection is
        // used from one thread only.
        sqlite3_value* v = sqlite3_column_value(stmt, i);
        switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
            return Table.AddInteger(sqlite3_value_int64(v));
        case SQLITE_FLOAT:
            return Table.AddFloat(sqlite3_value_double(v));
        case SQLITE_TEXT: {
            auto text = reinterpret_cast<const char*>(sqlite3_value_text(v));
            return Table.AddText({text, size_t(sqlite3_value_bytes(v))});
        }
        case SQLITE_BLOB: {
            auto data = static_cast<const char*>(sqlite3_value_blob(v));
            return Table.AddBlob({data, size_t(sqlite3_value_bytes(v))});
        }
        default:
            return Table.AddNull();
        }
    }

    QVariant Column(int i) const {
        switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_INTEGER:
            return QVariant(static_cast<qlonglong>(sqlite3_column_int64(stmt, i)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt, i));
        case SQLITE_TEXT: {
            auto text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(stmt, i)));
        }
        case SQLITE_BLOB: {
            auto data = static_cast<const char*>(sqlite3_column_blob(stmt, i));
            return QVariant(QByteArray(data, sqlite3_column_bytes(stmt, i)));
        }
        default:
            return QVariant();
        }
    }

private:
    TADOConnection& conn;
    sqlite3_stmt* stmt = nullptr;
};

// "select * from <table>" and nothing more: a read that gives the same rows while the file
// is unchanged.
bool IsWholeTable(const QString& Text, const sqltext::SelectShape& Shape) {
    if (!Shape.Updatable || !Shape.AllColumns) return false;
    QString rest = Text.mid(Shape.FromPos).simplified();
    if (rest.endsWith(';')) rest = rest.chopped(1).trimmed();
    return rest.compare(QStringLiteral("from ") + Shape.Table, Qt::CaseInsensitive) == 0;
}

bool IsKnownKey(const QString& Key) {
    for (const char* k : {"Provider", "Data Source", "Persist Security Info", "Mode", "User ID",
                          "Password", "Extended Properties"})
        if (Key.compare(QLatin1String(k), Qt::CaseInsensitive) == 0) return true;
    return Key.startsWith(QLatin1String("Jet OLEDB:"), Qt::CaseInsensitive);
}

QString Unquote(const QString& V) {
    if (V.size() >= 2 && (V[0] == '"' || V[0] == '\'') && V.back() == V[0])
        return V.mid(1, V.size() - 2);
    return V;
}

} // namespace

// ---- TADOConnection ----

TADOConnection::TADOConnection(TComponent* AOwner) : TComponent(AOwner) {}

TADOConnection::~TADOConnection() {
    Close();
}

void TADOConnection::SetConnectionString(const QString& Value) {
    Close();
    FConnectionString = Value;
}

QString TADOConnection::Value(const QString& Key) const {
    // A part without a known key continues the previous value, so a folder name holding ";"
    // stays whole; quoted values may hold anything.
    QList<std::pair<QString, QString>> pairs;
    QString part;
    QChar quote;
    auto flush = [&] {
        int eq = part.indexOf('=');
        QString key = eq < 0 ? QString() : part.left(eq).trimmed();
        if (eq >= 0 && IsKnownKey(key))
            pairs.append({key, part.mid(eq + 1)});
        else if (!pairs.isEmpty())
            pairs.back().second += ';' + part;
        part.clear();
    };
    for (QChar c : FConnectionString) {
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
        } else if (c == ';') {
            flush();
            continue;
        } else if ((c == '"' || c == '\'') && part.section('=', 1).trimmed().isEmpty()) {
            quote = c;
        }
        part += c;
    }
    flush();
    for (const auto& p : pairs)
        if (p.first.compare(Key, Qt::CaseInsensitive) == 0) return Unquote(p.second.trimmed());
    return QString();
}

QString TADOConnection::DataSource() const {
    return Value(QStringLiteral("Data Source"));
}

bool TADOConnection::ReadOnly() const {
    const QStringList modes = Value(QStringLiteral("Mode")).split('|');
    return std::any_of(modes.begin(), modes.end(), [](const QString& m) {
        return m.trimmed().compare(QLatin1String("Read"), Qt::CaseInsensitive) == 0;
    });
}

void TADOConnection::SetConnected(bool Value) {
    if (Value)
        Open();
    else
        Close();
}

void TADOConnection::Open() {
    if (FDb) return;
    QString path = DataSource();
    if (path.isEmpty())
        throw EDatabaseError(QStringLiteral("The connection string names no data source"));
    if (TakePrefetched(*this)) return;
    const bool readOnly = ReadOnly();
    sqlite3* db = nullptr;
    // The program reaches a connection from its one thread only: no locking per call, which
    // costs more than the reading itself on a long result.
    int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        QString msg =
            db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        throw EDatabaseError(msg);
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, FBusyTimeout);
    FDb = db;
}

void TADOConnection::Close() {
    FKept.clear();
    if (!FDb) return;
    sqlite3_close_v2(FDb);
    FDb = nullptr;
}

void TADOConnection::SetBusyTimeout(int MSecs) {
    FBusyTimeout = MSecs;
    if (FDb) sqlite3_busy_timeout(FDb, MSecs);
}

sqlite3* TADOConnection::Handle() {
    Open();
    return FDb;
}

void TADOConnection::RaiseEngineError() const {
    throw EDatabaseError(QString::fromUtf8(FDb ? sqlite3_errmsg(FDb) : "not connected"));
}

void TADOConnection::InWriteTransaction(const std::function<void()>& Work) {
    sqlite3* db = Handle();
    FKept.clear();                     // whatever the work writes, no kept read shows it
    if (!sqlite3_get_autocommit(db)) { // already inside one the caller opened
        Work();
        return;
    }
    // IMMEDIATE takes the write lock up front, so a busy file fails before anything is done.
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        RaiseEngineError();
    try {
        Work();
        if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) RaiseEngineError();
    } catch (...) {
        if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

int TADOConnection::Execute(const QString& CommandText) {
    QByteArray text = sqltext::EngineCommand(CommandText).toUtf8();
    int changed = 0;
    InWriteTransaction([&] {
        const char* sql = text.constData();
        const char* end = sql + text.size();
        while (sql < end) {
            sqlite3_stmt* stmt = nullptr;
            const char* tail = nullptr;
            if (sqlite3_prepare_v2(FDb, sql, static_cast<int>(end - sql), &stmt, &tail) !=
                SQLITE_OK)
                RaiseEngineError();
            sql = tail;
            if (!stmt) continue; // blanks or a comment
            int rc;
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            }
            if (rc != SQLITE_DONE) {
                QString msg = QString::fromUtf8(sqlite3_errmsg(FDb));
                sqlite3_finalize(stmt);
                throw EDatabaseError(msg);
            }
            changed += sqlite3_changes(FDb);
            sqlite3_finalize(stmt);
        }
    });
    return changed;
}

// ---- TField ----

QVariant TField::Value() const {
    return FDataSet->FieldValue(FIndex);
}

bool TField::IsNull() const {
    return !FDataSet->FieldValue(FIndex).isValid();
}

QString TField::AsString() const {
    const int row = FDataSet->BrowsedRow();
    if (row >= 0) return FDataSet->FRows->AsString(row, FIndex);
    return ValueText(FDataSet->FieldValue(FIndex));
}

int TField::AsInteger() const {
    return ValueToInteger(FDataSet->FieldValue(FIndex));
}

TDateTime TField::AsDateTime() const {
    const int row = FDataSet->BrowsedRow();
    if (row >= 0) return FDataSet->FRows->AsDateTime(row, FIndex);
    return ValueToDateTime(FDataSet->FieldValue(FIndex));
}

void TField::SetAsString(const QString& Value) {
    SetValue(Value);
}

void TField::SetAsInteger(int Value) {
    SetValue(static_cast<qlonglong>(Value));
}

void TField::SetValue(const QVariant& Value) {
    FDataSet->SetFieldValue(FIndex, Value);
}

// ---- TADOQuery ----

TADOQuery::TADOQuery(TComponent* AOwner) : TComponent(AOwner) {
    FSQL.OnChange = [this](TObject*) { Close(); };
}

TADOQuery::~TADOQuery() {
    FSQL.OnChange = nullptr;
    SetConnection(nullptr);
}

void TADOQuery::SetConnection(TADOConnection* Value) {
    if (Value == FConnection) return;
    Close();
    if (FConnection) FConnection->RemoveFreeNotification(this);
    FConnection = Value;
    if (FConnection) FConnection->FreeNotification(this);
}

void TADOQuery::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FConnection) {
        Close();
        FConnection = nullptr;
    }
}

void TADOQuery::SetActive(bool Value) {
    if (Value)
        Open();
    else
        Close();
}

void TADOQuery::Open() {
    if (Active()) return;
    if (!FConnection) throw EDatabaseError(QStringLiteral("Missing Connection"));
    QString text = sqltext::EngineCommand(FSQL.Text());
    if (Trim(text).isEmpty()) throw EDatabaseError(QStringLiteral("CommandText not set"));

    sqltext::SelectShape shape = sqltext::AnalyzeSelect(text);
    const bool whole = IsWholeTable(text, shape);
    if (const auto* kept = whole ? FConnection->KeptRead(text) : nullptr)
        return Adopt(shape, kept->Rows, kept->Names);
    const auto stamp = whole ? FConnection->ChangeStamp() : std::pair<long long, long long>();
    // The row id rides along as a hidden last column, so writes can find the row again.
    QString run = shape.Updatable ? text.left(shape.FromPos) + QStringLiteral(", rowid ") +
                                        text.mid(shape.FromPos)
                                  : text;
    Statement stmt(*FConnection, run);
    int columns = stmt.ColumnCount() - (shape.Updatable ? 1 : 0);
    if (columns <= 0)
        throw EDatabaseError(QStringLiteral("CommandText does not return a result set"));

    auto rows = std::make_shared<TResultTable>(columns);
    while (stmt.Step()) {
        for (int i = 0; i < columns; ++i) stmt.AddColumnTo(*rows, i);
        rows->EndRow(shape.Updatable ? stmt.Integer(columns) : 0);
    }
    std::vector<QString> names;
    for (int i = 0; i < columns; ++i) names.push_back(stmt.ColumnName(i));
    if (whole) FConnection->KeepRead({text, rows, names}, stamp);
    Adopt(shape, std::move(rows), names);
}

void TADOQuery::Adopt(const sqltext::SelectShape& Shape, std::shared_ptr<TResultTable> Rows,
                      const std::vector<QString>& Names) {
    FShape = Shape;
    FRows = std::move(Rows);
    FFields.clear();
    FColumnNames.clear();
    for (int i = 0; i < int(Names.size()); ++i) {
        FFields.emplace_back(new TField(this, i, Names[size_t(i)]));
        FColumnNames.push_back(Shape.AllColumns  ? sqltext::QuoteName(Names[size_t(i)])
                               : Shape.Updatable ? Shape.Columns[i]
                                                 : QString());
    }
    FState = TDataSetState::dsBrowse;
    First();
}

void TADOQuery::Close() {
    FState = TDataSetState::dsInactive;
    FRows.reset();
    FFields.clear();
    FColumnNames.clear();
    FModified.clear();
    FBuffer = Row();
    FRecNo = -1;
    FEof = FBof = true;
}

void TADOQuery::CheckActive() const {
    if (!Active())
        throw EDatabaseError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void TADOQuery::CheckBrowseMode() {
    CheckActive();
    if (FState == TDataSetState::dsEdit || FState == TDataSetState::dsInsert) {
        if (FModified.empty())
            Cancel();
        else
            Post();
    }
}

int TADOQuery::RecordCount() const {
    CheckActive();
    return FRows->RowCount();
}

int TADOQuery::RecNo() const {
    return Active() ? FRecNo + 1 : 0;
}

void TADOQuery::First() {
    CheckBrowseMode();
    FRecNo = RecordCount() == 0 ? -1 : 0;
    FBof = true;
    FEof = FRecNo < 0;
}

void TADOQuery::Last() {
    CheckBrowseMode();
    FRecNo = RecordCount() - 1;
    FBof = FRecNo < 0;
    FEof = true;
}

void TADOQuery::Next() {
    CheckBrowseMode();
    FBof = false;
    if (FRecNo + 1 < RecordCount())
        ++FRecNo;
    else
        FEof = true;
}

void TADOQuery::Prior() {
    CheckBrowseMode();
    FEof = false;
    if (FRecNo > 0)
        --FRecNo;
    else
        FBof = true;
}

TField* TADOQuery::Fields(int Index) const {
    if (Index < 0 || Index >= FieldCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FFields[Index].get();
}

int TADOQuery::BrowsedRow() const {
    if (FState != TDataSetState::dsBrowse || FRecNo < 0 || FRecNo >= FRows->RowCount()) return -1;
    return FRecNo;
}

QVariant TADOQuery::FieldValue(int Index) const {
    if (FState == TDataSetState::dsEdit || FState == TDataSetState::dsInsert)
        return FBuffer.Values[Index];
    const int row = BrowsedRow();
    return row < 0 ? QVariant() : FRows->Value(row, Index);
}

TResultTable& TADOQuery::ChangedRows() {
    // Readers keep the rows they were given.
    if (FRows.use_count() > 1) FRows = std::make_shared<TResultTable>(*FRows);
    return *FRows;
}

void TADOQuery::SetFieldValue(int Index, const QVariant& Value) {
    if (FState != TDataSetState::dsEdit && FState != TDataSetState::dsInsert)
        throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
    FBuffer.Values[Index] = Value;
    FModified.erase(std::remove(FModified.begin(), FModified.end(), Index), FModified.end());
    FModified.push_back(Index);
}

void TADOQuery::CheckUpdatable() const {
    CheckActive();
    if (!FShape.Updatable)
        throw EDatabaseError(QStringLiteral("The result of this statement cannot be updated"));
}

void TADOQuery::Edit() {
    if (FState == TDataSetState::dsEdit || FState == TDataSetState::dsInsert) return;
    CheckUpdatable();
    if (RecordCount() == 0) {
        Insert();
        return;
    }
    if (FRecNo < 0) FRecNo = 0;
    FBuffer = Row{FRows->Values(FRecNo), FRows->RowId(FRecNo)};
    FModified.clear();
    FState = TDataSetState::dsEdit;
}

void TADOQuery::StartNewRow(int Position) {
    CheckUpdatable();
    CheckBrowseMode();
    FBuffer = Row();
    FBuffer.Values.resize(FFields.size());
    FModified.clear();
    FInsertAt = Position;
    FState = TDataSetState::dsInsert;
}

void TADOQuery::Insert() {
    CheckActive();
    StartNewRow(std::max(FRecNo, 0));
}

void TADOQuery::Append() {
    CheckActive();
    StartNewRow(RecordCount());
}

void TADOQuery::Cancel() {
    if (FState != TDataSetState::dsEdit && FState != TDataSetState::dsInsert) return;
    FState = TDataSetState::dsBrowse;
    FBuffer = Row();
    FModified.clear();
}

QString TADOQuery::ColumnList() const {
    QStringList names(FColumnNames.begin(), FColumnNames.end());
    return names.join(QStringLiteral(", "));
}

long long TADOQuery::WriteRow() {
    QStringList names;
    for (int i : FModified) names << FColumnNames[i];
    if (FState == TDataSetState::dsEdit) {
        Statement stmt(*FConnection, QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                                         .arg(FShape.Table, names.join(QStringLiteral(" = ?, "))));
        int p = 1;
        for (int i : FModified) stmt.Bind(p++, FBuffer.Values[i]);
        stmt.Bind(p, static_cast<qlonglong>(FBuffer.RowId));
        stmt.Step();
        return FBuffer.RowId;
    }
    QString sql =
        names.isEmpty()
            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(FShape.Table)
            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(FShape.Table, names.join(QStringLiteral(", ")),
                       QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
    Statement stmt(*FConnection, sql);
    int p = 1;
    for (int i : FModified) stmt.Bind(p++, FBuffer.Values[i]);
    stmt.Step();
    return sqlite3_last_insert_rowid(FConnection->Handle());
}

TADOQuery::Row TADOQuery::ReadRow(long long RowId) {
    Statement stmt(
        *FConnection,
        QStringLiteral("SELECT %1, rowid FROM %2 WHERE rowid = ?").arg(ColumnList(), FShape.Table));
    stmt.Bind(1, static_cast<qlonglong>(RowId));
    Row row = FBuffer;
    row.RowId = RowId;
    if (stmt.Step())
        for (int i = 0; i < FieldCount(); ++i) row.Values[i] = stmt.Column(i);
    return row;
}

void TADOQuery::Post() {
    if (FState != TDataSetState::dsEdit && FState != TDataSetState::dsInsert)
        throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
    if (!FConnection) throw EDatabaseError(QStringLiteral("Missing Connection"));
    Row stored;
    if (FState == TDataSetState::dsEdit && FModified.empty()) {
        stored = FBuffer;
    } else {
        FConnection->InWriteTransaction([&] { stored = ReadRow(WriteRow()); });
    }
    if (FState == TDataSetState::dsEdit) {
        ChangedRows().SetRow(FRecNo, stored.Values, stored.RowId);
    } else {
        ChangedRows().InsertRow(FInsertAt, stored.Values, stored.RowId);
        FRecNo = FInsertAt;
    }
    FState = TDataSetState::dsBrowse;
    FBuffer = Row();
    FModified.clear();
    FEof = FBof = false;
}
