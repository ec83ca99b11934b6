#include "platform/ResultTable.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Most texts share blocks of this size; a long one gets a block of its own.
constexpr std::uint32_t kBlockSize = 256 * 1024;
constexpr std::uint32_t kOwnBlock = kBlockSize / 8;

bool Digits(std::string_view S, size_t From, size_t Count, int& Value) {
    Value = 0;
    for (size_t i = From; i < From + Count; ++i) {
        if (S[i] < '0' || S[i] > '9') return false;
        Value = Value * 10 + (S[i] - '0');
    }
    return true;
}

} // namespace

TResultTable::TResultTable(int Columns) : FColumns(Columns) {}

TResultTable::TResultTable(const TResultTable& Other)
    : FColumns(Other.FColumns), FTypes(Other.FTypes), FPayload(Other.FPayload),
      FRowIds(Other.FRowIds), FBlockSizes(Other.FBlockSizes), FUsed(Other.FUsed) {
    for (size_t i = 0; i < Other.FBlocks.size(); ++i) {
        FBlocks.emplace_back(new char[FBlockSizes[i]]);
        std::memcpy(FBlocks.back().get(), Other.FBlocks[i].get(), FBlockSizes[i]);
    }
}

TResultTable::~TResultTable() = default;

std::string_view TResultTable::Bytes(int Row, int Column) const {
    const size_t cell = Cell(Row, Column);
    const auto type = TCellType(FTypes[cell]);
    if (type != TCellType::Text && type != TCellType::Blob) return {};
    const std::uint64_t at = FPayload[cell];
    const char* p = FBlocks[size_t(at >> 32)].get() + std::uint32_t(at);
    std::uint32_t length = 0;
    std::memcpy(&length, p, sizeof length);
    return {p + sizeof length, length};
}

QVariant TResultTable::Value(int Row, int Column) const {
    const size_t cell = Cell(Row, Column);
    switch (TCellType(FTypes[cell])) {
    case TCellType::Integer:
        return QVariant(qlonglong(FPayload[cell]));
    case TCellType::Float: {
        double d = 0;
        std::memcpy(&d, &FPayload[cell], sizeof d);
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
    switch (Type(Row, Column)) {
    case TCellType::Null:
        return 0;
    case TCellType::Integer:
    case TCellType::Float:
        return Value(Row, Column).toDouble();
    case TCellType::Text:
        return Utf8ToDateTime(Bytes(Row, Column));
    case TCellType::Blob:
        break;
    }
    return StrToDateTime(AsString(Row, Column));
}

void TResultTable::Add(TCellType Type, std::uint64_t Payload) {
    FTypes.push_back(std::uint8_t(Type));
    FPayload.push_back(Payload);
}

std::uint64_t TResultTable::Store(std::string_view Bytes) {
    const auto length = std::uint32_t(Bytes.size());
    const std::uint32_t need = length + sizeof length;
    if (need >= kOwnBlock || FBlocks.empty() || FBlockSizes.back() - FUsed < need) {
        const std::uint32_t size = need >= kOwnBlock ? need : kBlockSize;
        FBlocks.emplace_back(new char[size]);
        FBlockSizes.push_back(size);
        FUsed = 0;
    }
    char* p = FBlocks.back().get() + FUsed;
    std::memcpy(p, &length, sizeof length);
    if (length) std::memcpy(p + sizeof length, Bytes.data(), length);
    const std::uint64_t at = (std::uint64_t(FBlocks.size() - 1) << 32) | FUsed;
    // A block of its own is full: the next text starts a new shared block.
    FUsed = need >= kOwnBlock ? FBlockSizes.back() : FUsed + need;
    return at;
}

void TResultTable::AddNull() {
    Add(TCellType::Null, 0);
}

void TResultTable::AddInteger(long long Value) {
    Add(TCellType::Integer, std::uint64_t(Value));
}

void TResultTable::AddFloat(double Value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &Value, sizeof bits);
    Add(TCellType::Float, bits);
}

void TResultTable::AddText(std::string_view Utf8) {
    Add(TCellType::Text, Store(Utf8));
}

void TResultTable::AddBlob(std::string_view Bytes) {
    Add(TCellType::Blob, Store(Bytes));
}

void TResultTable::EndRow(long long RowId) {
    FRowIds.push_back(RowId);
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
    // Built at the end, then moved into place.
    for (int c = 0; c < FColumns; ++c)
        AddValue(c < int(Values.size()) ? Values[size_t(c)] : QVariant());
    const auto at = std::ptrdiff_t(Cell(Row, 0));
    std::rotate(FTypes.begin() + at, FTypes.end() - FColumns, FTypes.end());
    std::rotate(FPayload.begin() + at, FPayload.end() - FColumns, FPayload.end());
    FRowIds.insert(FRowIds.begin() + Row, RowId);
}

void TResultTable::SetRow(int Row, const std::vector<QVariant>& Values, long long RowId) {
    // The old bytes stay in their block until the table goes.
    InsertRow(Row, Values, RowId);
    const auto at = std::ptrdiff_t(Cell(Row + 1, 0));
    FTypes.erase(FTypes.begin() + at, FTypes.begin() + at + FColumns);
    FPayload.erase(FPayload.begin() + at, FPayload.begin() + at + FColumns);
    FRowIds.erase(FRowIds.begin() + Row + 1);
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

TDateTime Utf8ToDateTime(std::string_view Utf8) {
    // "yyyy-MM-dd" (or with "/"), the form the program writes, without a detour through text.
    int y = 0, m = 0, d = 0;
    TDateTime date = 0;
    if (Utf8.size() == 10 && (Utf8[4] == '-' || Utf8[4] == '/') && Utf8[7] == Utf8[4] &&
        Digits(Utf8, 0, 4, y) && Digits(Utf8, 5, 2, m) && Digits(Utf8, 8, 2, d) &&
        TryEncodeDate(y, m, d, date))
        return date;
    return StrToDateTime(QString::fromUtf8(Utf8.data(), qsizetype(Utf8.size())));
}
