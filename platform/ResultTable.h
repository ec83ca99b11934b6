#pragma once
// A query's rows held compactly: numbers inline, texts and blobs as their stored bytes in large
// blocks, so that a result of many rows costs little more than its bytes and no object per cell.
// Readers (a list showing the rows) may share it with the query; the query copies it before it
// changes a shared one.

#include "platform/SysUtils.h"

#include <QVariant>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

enum class TCellType : std::uint8_t { Null, Integer, Float, Text, Blob };

class TResultTable {
public:
    explicit TResultTable(int Columns);
    TResultTable(const TResultTable& Other);
    TResultTable& operator=(const TResultTable&) = delete;
    ~TResultTable();

    int RowCount() const { return static_cast<int>(FRows.size()); }
    int ColumnCount() const { return FColumns; }
    long long RowId(int Row) const;

    TCellType Type(int Row, int Column) const { return TCellType(*Cell(Row, Column)); }
    // Text as UTF-8 or a blob's bytes; empty for other cells.
    std::string_view Bytes(int Row, int Column) const;
    QVariant Value(int Row, int Column) const;
    // The number of an integer cell; none for other cells.
    std::optional<long long> Integer(int Row, int Column) const;
    std::vector<QVariant> Values(int Row) const;
    // As a field reads them: no value gives "" or 0; numbers are day counts for dates.
    QString AsString(int Row, int Column) const;
    TDateTime AsDateTime(int Row, int Column) const;

    // Building: each column's cell in order, then EndRow. Cells are written straight into
    // the last block, where the row stays.
    void AddNull() { *Room(1) = char(TCellType::Null); }
    void AddInteger(long long Value) { AddNumber(TCellType::Integer, &Value); }
    void AddFloat(double Value) { AddNumber(TCellType::Float, &Value); }
    void AddText(std::string_view Utf8) { AddBytes(TCellType::Text, Utf8); }
    void AddBlob(std::string_view Bytes) { AddBytes(TCellType::Blob, Bytes); }
    void EndRow(long long RowId);
    // A row written back: replaces Row, or is put before it.
    void SetRow(int Row, const std::vector<QVariant>& Values, long long RowId);
    void InsertRow(int Row, const std::vector<QVariant>& Values, long long RowId);

private:
    // A row is one record in a block: its row id, then per cell a type byte and the number
    // (8 bytes) or the length (4 bytes) and bytes.
    const char* Record(int Row) const;
    const char* Cell(int Row, int Column) const;

    // Where Size more bytes of the row being built go.
    char* Room(size_t Size) {
        const size_t row = FRowLength ? FRowLength : sizeof(long long); // the row id comes first
        if (FFree < row + Size) return RoomInNewBlock(row, Size);
        FRowLength = std::uint32_t(row + Size);
        return FLast + FUsed + row;
    }
    char* RoomInNewBlock(size_t Row, size_t Size);
    void AddNumber(TCellType Type, const void* Value) {
        char* p = Room(9);
        *p = char(Type);
        std::memcpy(p + 1, Value, 8);
    }
    void AddBytes(TCellType Type, std::string_view Bytes);
    void AddValue(const QVariant& Value);
    // Ends the row being built; returns where it is.
    std::uint64_t StoreRow(long long RowId);

    int FColumns;
    std::vector<std::uint64_t> FRows; // (block << 32) | offset of each row's record
    std::vector<std::unique_ptr<char[]>> FBlocks;
    std::vector<std::uint32_t> FBlockSizes; // what each holds; the last one's whole size
    char* FLast = nullptr;                  // the last block
    std::uint32_t FUsed = 0;                // by whole rows in the last block
    std::uint32_t FRowLength = 0;           // of the row being built, its id included
    size_t FFree = 0;                       // in the last block after its whole rows
};

// The text of a value as a field reads it.
QString ValueText(const QVariant& Value);
// A value as a field reads it as an integer; raises EConvertError for none.
int ValueToInteger(const QVariant& Value);
// A value as a field reads it as a date: no value gives 0, numbers are day counts, anything else
// is parsed as text; raises EConvertError for no date.
TDateTime ValueToDateTime(const QVariant& Value);
// A date from text: the short date form read straight from the bytes, anything else as the
// platform parses dates with times. Raises EConvertError for no date.
TDateTime Utf8ToDateTime(std::string_view Utf8);
