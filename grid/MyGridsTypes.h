#pragma once
// The grid engine's vocabulary: options, draw states, cell coordinates, the error it raises and
// the extent arrays that hold column widths, row heights and tab stops.

#include "platform/Classes.h"
#include "platform/SysUtils.h"

#include <cstdint>
#include <memory>

class EInvalidGridOperation : public Exception {
public:
    using Exception::Exception;
};

// Message texts of EInvalidGridOperation.
namespace GridMessages {
inline const char* const IndexOutOfRange = "Grid index out of range";
inline const char* const FixedColTooBig = "Fixed column count must be less than column count";
inline const char* const FixedRowTooBig = "Fixed row count must be less than row count";
inline const char* const TooManyDeleted = "Too many rows or columns deleted";
inline const char* const GridTooLarge = "Grid too large for operation";
} // namespace GridMessages

[[noreturn]] void InvalidGridOperation(const char* Message);

// Bit numbers are the flags' values.
enum class TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking
};
using TGridOptions = TSet<TGridOption>;

enum class TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem>;

enum class TGridState : uint8_t {
    gsNormal,
    gsSelecting,
    gsRowSizing,
    gsColSizing,
    gsRowMoving,
    gsColMoving
};

enum class TGridScrollDirection { sdLeft, sdRight, sdUp, sdDown };
using TGridScrollDirections = TSet<TGridScrollDirection>;

enum class TBiDiMode {
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};

struct TGridCoord {
    int X = 0, Y = 0;
    constexpr bool operator==(const TGridCoord&) const = default;
};

// A block of cells, both corners included.
struct TGridRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    constexpr bool operator==(const TGridRect&) const = default;
    constexpr bool Contains(int Col, int Row) const {
        return Col >= Left && Col <= Right && Row >= Top && Row <= Bottom;
    }
};

// One heap block of 32-bit integers: element 0 is the count n, elements 1..n the values.
// No block at all stands for "every value is the default" and costs nothing.
class ExtentArray {
public:
    static constexpr int MaxCount = 134217725;

    bool Exists() const { return FBlock != nullptr; }
    int Count() const { return FBlock ? FBlock[0] : 0; }
    // Value at index I (0-based); the caller checks I < Count().
    int Get(int I) const { return FBlock[I + 1]; }
    void Set(int I, int Value) { FBlock[I + 1] = Value; }
    // Changes the count by Amount (Index must lie in 0..count); new elements take Default and
    // a count of 0 frees the block.
    void Modify(int Index, int Amount, int Default);
    void Resize(int NewCount, int Default) { Modify(Count(), NewCount - Count(), Default); }
    void Free() { FBlock.reset(); }
    // Takes the value out at From and puts it back at To, shifting the ones between.
    void Move(int From, int To);
    bool operator==(const ExtentArray& Other) const;

private:
    std::unique_ptr<int32_t[]> FBlock;
};
