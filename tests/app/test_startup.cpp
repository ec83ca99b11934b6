// The start: only what is in sight gets Qt widgets; the other views get theirs when first
// shown, holding what the start put into them.

#include "WindowFixture.h"
#include "app/store/DiaryRecords.h"
#include "platform/WidgetOf.h"

#include <QDateEdit>
#include <QImage>
#include <QPlainTextEdit>
#include <QTreeView>
#include <cstdio>
#include <fstream>
#include <functional>

namespace {

// Every windowed control of a view (the view included) that has its Qt widget.
std::vector<std::string> WithWidgets(TWinControl* View) {
    std::vector<std::string> found;
    std::function<void(TWinControl*)> walk = [&](TWinControl* c) {
        if (c->HandleAllocated()) found.push_back(c->Name().toStdString());
        for (int i = 0; i < c->ControlCount(); ++i)
            if (c->Controls(i)->IsWindowed()) walk(static_cast<TWinControl*>(c->Controls(i)));
    };
    walk(View);
    return found;
}

// The font caches and font files the process has mapped: loading the font database maps them.
std::vector<std::string> FontFilesMapped() {
    std::vector<std::string> found;
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        const size_t path = line.find('/');
        if (path == std::string::npos) continue;
        const std::string file = line.substr(path);
        const std::string ext = file.size() > 4 ? file.substr(file.size() - 4) : file;
        if (file.find("/fontconfig/") != std::string::npos || ext == ".ttf" || ext == ".ttc" ||
            ext == ".otf" || ext == ".pfb")
            found.push_back(file);
    }
    return found;
}

} // namespace

// The first screen shows pictures only: no text is measured or drawn before it is painted, so
// the font database and the Chinese font stay unloaded. Run in a process of its own, since
// other tests load fonts.
TEST_F(WindowFixture, FirstScreenIsPaintedWithoutLoadingFonts) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Seed({{EncodeDate(2026, 11, 3), "a"}, {EncodeDate(2026, 12, 2), "b"}}, 28);
    EXPECT_EXIT(
        {
            if (!FontFilesMapped().empty()) std::exit(2); // loaded before the window: unusable
            Tform_velna& w = Open();
            QImage shot(590, 403, QImage::Format_RGB32);
            WidgetOf(&w)->render(&shot);
            for (const std::string& f : FontFilesMapped()) std::fprintf(stderr, "%s\n", f.c_str());
            std::exit(FontFilesMapped().empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(WindowFixture, HiddenViewsHaveNoQtWidgetsAtStartAndGetThemWhenShown) {
    Seed({{EncodeDate(2026, 11, 3), "a"}, {EncodeDate(2026, 12, 2), "b"}}, 28);
    Tform_velna& w = Open();
    for (TPanel* hidden : {w.Panel2, w.Panel3, w.Panel4, w.Panel6, w.Panel7})
        EXPECT_EQ(WithWidgets(hidden), std::vector<std::string>{}) << hidden->Name().toStdString();
    EXPECT_TRUE(w.Panel8->HandleAllocated());
    // The test view lies whole under the home view until a button uncovers it.
    EXPECT_EQ(WithWidgets(w.Panel1), std::vector<std::string>{});
    w.FlatSpeedButton1Click(nullptr);
    EXPECT_TRUE(w.DateTimePicker1->HandleAllocated());
    EXPECT_EQ(w.DateTimePicker1->Editor()->date(), QDate(2026, 12, 2));

    w.FlatSpeedButton3Click(nullptr);
    ASSERT_TRUE(w.FlatMemo1->HandleAllocated());
    EXPECT_EQ(static_cast<QPlainTextEdit*>(WidgetOf(w.FlatMemo1))->document()->blockCount(), 279);
    EXPECT_TRUE(static_cast<QPlainTextEdit*>(WidgetOf(w.FlatMemo1))->isReadOnly());

    w.FlatSpeedButton7Click(nullptr);
    ASSERT_TRUE(w.Apart_list->HandleAllocated());
    EXPECT_EQ(w.Apart_list->View()->model()->rowCount(), 2);
    EXPECT_EQ(w.Apart_list->View()->model()->index(1, 0).data().toString(), "2026-12-02");
    EXPECT_EQ(w.DateTimePicker2->Date(), EncodeDate(2026, 12, 16));
}

// A long diary: every row is listed and the first and last read as stored; saving a new entry
// adds it and leaves every other row as it was.
TEST_F(WindowFixture, AHundredThousandRowDiaryIsListedWholeAndSavingKeepsEveryRow) {
    Seed({}, 28);
    TADOConnection connection(nullptr);
    connection.SetConnectionString(DatabaseConnectionString(World->Program));
    connection.Execute(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
        "INSERT INTO [velna] ([date], [status], [diary]) SELECT date('2020-01-01', '+' || "
        "(i % 3000 * 28) || ' days'), '正常', '第' || i || '条日记' FROM n");
    const std::vector<StoredDiary> before = ReadAllDiary(connection);
    const TDateTime lastDate = EncodeDate(2020, 1, 1) + 100000 % 3000 * 28;

    Tform_velna& w = Open();
    EXPECT_EQ(w.DateTimePicker1->Date(), lastDate);
    ASSERT_EQ(w.Apart_list->ItemCount(), 100000);
    EXPECT_EQ(w.Apart_list->Item(0)->Caption(), "2020-01-29");
    EXPECT_EQ(w.Apart_list->Item(0)->SubItems()->Strings(1), QString::fromUtf8("第1条日记"));
    EXPECT_EQ(w.Apart_list->Item(99999)->Caption(), DateToStr(lastDate));
    EXPECT_EQ(w.Apart_list->Item(99999)->SubItems()->Strings(0), QString::fromUtf8("正常"));
    EXPECT_EQ(w.Apart_list->Item(99999)->Data(), 100000);

    w.FlatSpeedButton7Click(nullptr);
    w.BitBtn1Click(nullptr);
    w.FlatMemo2->SetText(QString::fromUtf8("新的一条"));
    w.FlatComboBox1->SetText(QString::fromUtf8("正常"));
    w.BitBtn3Click(nullptr);
    ASSERT_EQ(w.Apart_list->ItemCount(), 100001);
    EXPECT_EQ(w.Apart_list->Item(100000)->SubItems()->Strings(1), QString::fromUtf8("新的一条"));
    const std::vector<StoredDiary> after = ReadAllDiary(connection);
    ASSERT_EQ(after.size(), 100001u);
    for (size_t i = 0; i < before.size(); ++i) {
        ASSERT_EQ(after[i].ID, before[i].ID);
        ASSERT_EQ(after[i].DateText, before[i].DateText);
        ASSERT_EQ(after[i].Status, before[i].Status);
        ASSERT_EQ(after[i].Diary, before[i].Diary) << i;
    }
    EXPECT_EQ(after.back().Diary, QString::fromUtf8("新的一条"));
}
