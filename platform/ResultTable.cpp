#include "platform/ResultTable.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Rows share blocks of this size; a longer row gets a block of its own.
constexpr size_t kBlockSize = 256 * 1024;

bool Digits(std::string_view S, size_t From, size_t Count, int& Value) {
    Value = 0;
    for (size_t i = From; i < From + Count; ++i) {
        if (S[i] < '0' || S[i] > '9') return false;
        Value = Value * 10 + (S[i] - '0');
    }
    return true;
}

// Days from 30 December 1899 to a day of the (proleptic Gregorian) calendar, counted by
// 400-year eras of 146,097 days, years starting in March.
TDateTime DayNumber(int Y, int M, int D) {
    const int y = Y - (M <= 2);
    const int era = y / 400; // the years here are positive
    const int yoe = y - era * 400;
    const int doy = (153 * (M + (M > 2 ? -3 : 9)) + 2) / 5 + D - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    constexpr int kToEpoch = 693899; // 1 March of year 0 to 30 December 1899, in days
    return double(era * 146097 + doe - kToEpoch);
}

} // namespace

TResultTable::TResultTable(int Columns) : FColumns(Columns) {}

TResultTable::TResultTable(const TResultTable& Other)
    : FColumns(Other.FColumns), FRows(Other.FRows), FBlockSizes(Other.FBlockSizes),
      FUsed(Other.FUsed) {
    for (size_t i = 0; i < Other.FBlocks.size(); ++i) {
        FBlocks.emplace_back(new char[FBlockSizes[i]]);
        const bool last = i + 1 == Other.FBlocks.size();
        std::memcpy(FBlocks.back().get(), Other.FBlocks[i].get(), last ? FUsed : FBlockSizes[i]);
    }
    if (!FBlocks.empty()) {
        FLast = FBlocks.back().get();
        FFree = FBlockSizes.back() - FUsed;
    }
}

TResultTable::~TResultTable() = default;

const char* TResultTable::Record(int Row) const {
    const std::uint64_t at = FRows[size_t(Row)];
    return FBlocks[size_t(at >> 32)].get() + std::uint32_t(at);
}

const char* TResultTable::Cell(int Row, int Column) const {
    const char* p = Record(Row) + sizeof(long long);
    for (int c = 0; c < Column; ++c) {
        switch (TCellType(*p++)) {
        case TCellType::Integer:
        case TCellType::Float:
            p += 8;
            break;
        case TCellType::Text:
        case TCellType::Blob: {
            std::uint32_t length = 0;
            std::memcpy(&length, p, sizeof length);
            p += sizeof length + length;
            break;
        }
        case TCellType::Null:
            break;
        }
    }
    return p;
}

long long TResultTable::RowId(int Row) const {
    long long id = 0;
    std::memcpy(&id, Record(Row), sizeof id);
    return id;
}

std::string_view TResultTable::Bytes(int Row, int Column) const {
    const char* p = Cell(Row, Column);
    const auto type = TCellType(*p);
    if (type != TCellType::Text && type != TCellType::Blob) return {};
    std::uint32_t length = 0;
    std::memcpy(&length, p + 1, sizeof length);
    return {p + 1 + sizeof length, length};
}

QVariant TResultTable::Value(int Row, int Column) const {
    const char* p = Cell(Row, Column);
    switch (TCellType(*p)) {
    case TCellType::Integer: {
        long long v = 0;
        std::memcpy(&v, p + 1, sizeof v);
        return QVariant(qlonglong(v));
    }
    case TCellType::Float: {
        double d = 0;
        std::memcpy(&d, p + 1, sizeof d);
        return QVariant(d);
    }
    case TCellType::Text: {
        const std::string_view b = Bytes(Row, Column);
        return QVariant(QString::fromUtf8(b.data(), qsizetype(b.size())));
    }
    case TCellType::Blob: {
        const std::string_view b = Bytes(Row, Column);
        return QVariant(QByteArray(b.data(), qsizetype(b.size())));
    }
    case TCellType::Null:
        break;
    }
    return QVariant();
}

std::optional<long long> TResultTable::Integer(int Row, int Column) const {
    const char* p = Cell(Row, Column);
    if (TCellType(*p) != TCellType::Integer) return std::nullopt;
    long long v = 0;
    std::memcpy(&v, p + 1, sizeof v);
    return v;
}

std::vector<QVariant> TResultTable::Values(int Row) const {
    std::vector<QVariant> values;
    values.reserve(size_t(FColumns));
    for (int c = 0; c < FColumns; ++c) values.push_back(Value(Row, c));
    return values;
}

QString TResultTable::AsString(int Row, int Column) const {
    if (Type(Row, Column) == TCellType::Text) {
        const std::string_view b = Bytes(Row, Column);
        return QString::fromUtf8(b.data(), qsizetype(b.size()));
    }
    return ValueText(Value(Row, Column));
}

TDateTime TResultTable::AsDateTime(int Row, int Column) const {
    // The short date text is read straight from its bytes.
    if (Type(Row, Column) == TCellType::Text) return Utf8ToDateTime(Bytes(Row, Column));
    return ValueToDateTime(Value(Row, Column));
}

char* TResultTable::RoomInNewBlock(size_t Row, size_t Size) {
    const size_t length = Row + Size;
    if (length > UINT32_MAX) {
        FRowLength = 0;
        throw EDatabaseError(QStringLiteral("A row of more than 4 GB cannot be read"));
    }
    // A long row gets twice its length so far, so that a row growing cell by cell moves only a
    // few times; the rows after it use what it leaves.
    const size_t size = std::max<size_t>(kBlockSize, std::min<size_t>(2 * length, UINT32_MAX));
    std::unique_ptr<char[]> block(new char[size]);
    if (FRowLength) std::memcpy(block.get(), FLast + FUsed, FRowLength); // the row so far
    if (!FBlocks.empty() && FUsed == 0) { // it held nothing but the row
        FBlocks.back() = std::move(block);
        FBlockSizes.back() = std::uint32_t(size);
    } else {
        if (!FBlocks.empty()) FBlockSizes.back() = FUsed; // what stays in it
        FBlocks.push_back(std::move(block));
        FBlockSizes.push_back(std::uint32_t(size));
    }
    FLast = FBlocks.back().get();
    FUsed = 0;
    FFree = size;
    FRowLength = std::uint32_t(length);
    return FLast + Row;
}

void TResultTable::AddBytes(TCellType Type, std::string_view Bytes) {
    const auto length = std::uint32_t(Bytes.size()); // a longer row is refused by Room
    char* p = Room(1 + sizeof length + Bytes.size());
    *p = char(Type);
    std::memcpy(p + 1, &length, sizeof length);
    if (!Bytes.empty()) std::memcpy(p + 1 + sizeof length, Bytes.data(), Bytes.size());
}

std::uint64_t TResultTable::StoreRow(long long RowId) {
    Room(0); // a row without cells still has its id
    std::memcpy(FLast + FUsed, &RowId, sizeof RowId);
    const std::uint64_t at = (std::uint64_t(FBlocks.size() - 1) << 32) | FUsed;
    FUsed += FRowLength;
    FFree -= FRowLength;
    FRowLength = 0;
    return at;
}

void TResultTable::EndRow(long long RowId) {
    FRows.push_back(StoreRow(RowId));
}

void TResultTable::AddValue(const QVariant& Value) {
    switch (Value.typeId()) {
    case QMetaType::UnknownType:
        return AddNull();
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
        return AddInteger(Value.toLongLong());
    case QMetaType::Double:
        return AddFloat(Value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray b = Value.toByteArray();
        return AddBlob(std::string_view(b.constData(), size_t(b.size())));
    }
    default: {
        const QByteArray t = Value.toString().toUtf8();
        return AddText(std::string_view(t.constData(), size_t(t.size())));
    }
    }
}

void TResultTable::InsertRow(int Row, const std::vector<QVariant>& Values, long long RowId) {
    for (int c = 0; c < FColumns; ++c)
        AddValue(c < int(Values.size()) ? Values[size_t(c)] : QVariant());
    FRows.insert(FRows.begin() + Row, StoreRow(RowId));
}

void TResultTable::SetRow(int Row, const std::vector<QVariant>& Values, long long RowId) {
    // The old record stays in its block until the table goes.
    for (int c = 0; c < FColumns; ++c)
        AddValue(c < int(Values.size()) ? Values[size_t(c)] : QVariant());
    FRows[size_t(Row)] = StoreRow(RowId);
}

QString ValueText(const QVariant& Value) {
    if (Value.typeId() == QMetaType::Double) return QString::number(Value.toDouble(), 'g', 15);
    if (Value.typeId() == QMetaType::QByteArray) return QString::fromUtf8(Value.toByteArray());
    return Value.toString();
}

int ValueToInteger(const QVariant& Value) {
    switch (Value.typeId()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::LongLong:
    case QMetaType::Double: {
        // A stored number beyond 32 bits is no integer value of ours: say so, do not wrap.
        const double d = std::round(Value.toDouble());
        if (!(d >= -2147483648.0 && d <= 2147483647.0))
            throw EConvertError("'" + ValueText(Value) + "' is not a valid integer value");
        return Value.typeId() == QMetaType::LongLong ? int(Value.toLongLong()) : int(d);
    }
    default:
        return StrToInt(ValueText(Value));
    }
}

TDateTime ValueToDateTime(const QVariant& Value) {
    switch (Value.typeId()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::LongLong:
    case QMetaType::Double:
        return Value.toDouble();
    default:
        return StrToDateTime(ValueText(Value));
    }
}

TDateTime Utf8ToDateTime(std::string_view Utf8) {
    // "yyyy-MM-dd" (or with "/"), the form the program writes, without a detour through text.
    int y = 0, m = 0, d = 0;
    if (Utf8.size() == 10 && (Utf8[4] == '-' || Utf8[4] == '/') && Utf8[7] == Utf8[4] &&
        Digits(Utf8, 0, 4, y) && Digits(Utf8, 5, 2, m) && Digits(Utf8, 8, 2, d) && y >= 1 &&
        m >= 1 && m <= 12 && d >= 1 && d <= MonthDays(y, m))
        return DayNumber(y, m, d);
    return StrToDateTime(QString::fromUtf8(Utf8.data(), qsizetype(Utf8.size())));
}
