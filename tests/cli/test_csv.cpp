#include "app/cli/Csv.h"

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const std::vector<csv::Record>& Records) {
    QString text;
    for (const csv::Record& r : Records) text += csv::FormatRecord(r);
    return text.toUtf8();
}

std::vector<csv::Record> Fields(const csv::Parsed& P) {
    std::vector<csv::Record> out;
    for (const csv::Row& r : P.Rows) out.push_back(r.Fields);
    return out;
}

} // namespace

TEST(Csv, EveryKindOfCharacterSurvivesARoundTrip) {
    QString ascii;
    for (char16_t c = 0x20; c < 0x7F; ++c) ascii += QChar(c);
    const std::vector<csv::Record> records = {
        {"plain", "", "two words"},
        {ascii, "say \"hi\"", "\"", "\"\""},
        {"a,b", ",", ",,\","},
        {"line\nbreak", "cr\rlf\r\nmixed", "\n", "\r\n\r\n"},
        {"tab\there", QString(QChar(0)) + "nul", "\x01\x1F control"},
        {QStringLiteral("中文，全角逗号“引号”"), QStringLiteral("😀 emoji 𝄞"),
         QStringLiteral("e\u0301 combining, \u202Bbidi\u202C, \uFEFF in the middle")},
        {"#not a comment", " leading and trailing blanks ", "trailing comma,"},
    };
    const csv::Parsed back = csv::Parse(Bytes(records));
    ASSERT_FALSE(back.Error) << back.Error->Message.toStdString();
    EXPECT_EQ(Fields(back), records);
    // What a reader could take for a comment or a byte order mark, at the very start.
    for (const csv::Record& first :
         {csv::Record{"#x", "y"}, csv::Record{QStringLiteral("\uFEFFx")}, csv::Record{""}})
        EXPECT_EQ(Fields(csv::Parse(Bytes({first}))), std::vector<csv::Record>{first});
}

TEST(Csv, QuotesOnlyWhatNeedsThemAndEndsRecordsWithCrLf) {
    EXPECT_EQ(csv::FormatRecord({"2026-12-02", QStringLiteral("正常"), "x"}),
              QStringLiteral("2026-12-02,正常,x\r\n"));
    EXPECT_EQ(csv::FormatRecord({"a \"b\"", "c,d", "#e", "f\ng"}),
              "\"a \"\"b\"\"\",\"c,d\",\"#e\",\"f\ng\"\r\n");
}

TEST(Csv, LinesAreCountedAcrossQuotedBreaksAndCommentsOnlyLeadTheFile) {
    const QByteArray text = "\xEF\xBB\xBF# comment, with \"quote\"\n#another\r\n"
                            "h1,h2\n"
                            "\n"
                            "\"multi\r\nline\",x\r"
                            "#data,y\n"
                            "last,z";
    const csv::Parsed p = csv::Parse(text);
    ASSERT_FALSE(p.Error);
    ASSERT_EQ(p.Rows.size(), 4u);
    EXPECT_EQ(p.Rows[0].Line, 3);
    EXPECT_EQ(p.Rows[1].Line, 5);
    EXPECT_EQ(p.Rows[1].Fields, (csv::Record{"multi\r\nline", "x"}));
    EXPECT_EQ(p.Rows[2].Line, 7); // a '#' after the first record is data
    EXPECT_EQ(p.Rows[2].Fields, (csv::Record{"#data", "y"}));
    EXPECT_EQ(p.Rows[3].Line, 8);
    // A quoted empty field is a record, not an empty line.
    EXPECT_EQ(csv::Parse("\"\"\n").Rows.size(), 1u);
}

TEST(Csv, MalformedTextNamesTheLineOfTheFault) {
    struct Case {
        QByteArray Text;
        int Line;
        const char* Says;
    };
    const Case cases[] = {
        {"a,b\nc,\"open\nstill open\nend", 2, "引号没有结束"},
        {"a,b\n\"x\"y,z\n", 2, "结束引号后面"},
        {"a,b\nc,d\"e\n", 2, "出现了引号"},
        {"a,b\n\"ok\nok\",c\nd,\"e\"f\n", 4, "结束引号后面"},
        {"a\nb\n\xC3(bad\n", 3, "UTF-8"},
        {"a\n\xE0\x80\xAF overlong\n", 2, "UTF-8"},
        {"a\r\xED\xA0\x80 surrogate\n", 2, "UTF-8"},
        {"\xF0\x9F\x98", 1, "UTF-8"}, // cut inside a character
    };
    for (const Case& c : cases) {
        const csv::Parsed p = csv::Parse(c.Text);
        ASSERT_TRUE(p.Error) << c.Text.toStdString();
        EXPECT_EQ(p.Error->Line, c.Line) << c.Text.toStdString();
        EXPECT_TRUE(p.Error->Message.contains(QString::fromUtf8(c.Says)))
            << p.Error->Message.toStdString();
    }
}
