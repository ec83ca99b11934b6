#include "platform/ResultTable.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Row r: an integer, a text whose length cycles from nothing to well past a block (some rows
// grow past a block cell by cell), a float, and a blob with NUL bytes.
std::string TextOf(int Row) {
    static const size_t lengths[] = {0, 1, 40, 70000, 200000, 300000, 5, 1100000};
    return std::string(lengths[size_t(Row) % std::size(lengths)], char('a' + Row % 26));
}
std::string BlobOf(int Row) {
    std::string b = "\0x" + std::to_string(Row);
    b.push_back('\0');
    return Row % 5 == 0 ? std::string(180000, char(Row)) + b : b;
}

void Fill(TResultTable& Table, int Rows) {
    for (int r = 0; r < Rows; ++r) {
        Table.AddInteger(r * 1000003LL);
        Table.AddText(TextOf(r));
        if (r % 3 == 0)
            Table.AddNull();
        else
            Table.AddFloat(r + 0.25);
        Table.AddBlob(BlobOf(r));
        Table.EndRow(r + 1);
    }
}

void ExpectRows(const TResultTable& Table, int Rows) {
    ASSERT_EQ(Table.RowCount(), Rows);
    for (int r = 0; r < Rows; ++r) {
        ASSERT_EQ(Table.RowId(r), r + 1);
        ASSERT_EQ(Table.Value(r, 0).toLongLong(), r * 1000003LL) << r;
        ASSERT_EQ(Table.Type(r, 1), TCellType::Text);
        ASSERT_EQ(Table.Bytes(r, 1), TextOf(r)) << r;
        if (r % 3 == 0)
            ASSERT_EQ(Table.Type(r, 2), TCellType::Null);
        else
            ASSERT_EQ(Table.Value(r, 2).toDouble(), r + 0.25);
        ASSERT_EQ(Table.Bytes(r, 3), BlobOf(r)) << r;
    }
}

} // namespace

TEST(ResultTable, RowsOfAnyLengthReadBackAsBuiltAlsoInACopy) {
    TResultTable table(4);
    Fill(table, 60);
    ExpectRows(table, 60);

    TResultTable copy(table);
    ExpectRows(copy, 60);
    // The copy grows and changes on its own.
    copy.AddInteger(7);
    copy.AddText(std::string(400000, 'z'));
    copy.AddNull();
    copy.AddBlob({});
    copy.EndRow(61);
    copy.SetRow(3, {QVariant(qlonglong(1)), QVariant(QStringLiteral("replaced"))}, 99);
    copy.InsertRow(0, {QVariant(), QVariant(QByteArray("\0b", 2))}, 100);
    ExpectRows(table, 60);
    ASSERT_EQ(copy.RowCount(), 62);
    EXPECT_EQ(copy.RowId(0), 100);
    EXPECT_EQ(copy.Bytes(0, 1), std::string_view("\0b", 2));
    EXPECT_EQ(copy.Type(0, 0), TCellType::Null);
    EXPECT_EQ(copy.Type(0, 3), TCellType::Null); // columns not given have no value
    EXPECT_EQ(copy.AsString(4, 1), "replaced");
    EXPECT_EQ(copy.RowId(4), 99);
    EXPECT_EQ(copy.Bytes(61, 1), std::string(400000, 'z'));
    EXPECT_EQ(copy.Bytes(61, 3), "");
    EXPECT_EQ(copy.Bytes(60, 1), TextOf(59));

    // A table without columns still keeps its rows' ids.
    TResultTable none(0);
    for (int r = 0; r < 40000; ++r) none.EndRow(r);
    ASSERT_EQ(none.RowCount(), 40000);
    EXPECT_EQ(none.RowId(39999), 39999);
}
