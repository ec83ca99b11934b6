#pragma once
// A main window over a database in a fresh folder, with a scripted outside world.

#include "app/Uform_velna.h"
#include "app/store/VelnaFile.h"
#include "tests/support/TestWorld.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

struct WindowFixture : ::testing::Test {
    QTemporaryDir Folder;
    TTestWorld World;
    std::unique_ptr<Tform_velna> Window;

    void SetUp() override {
        World->Program = Folder.filePath("soveli");
        World->Today = EncodeDate(2026, 12, 16);
    }
    void TearDown() override { Window.reset(); }
    QString DatabaseFile() const { return DatabasePath(World->Program); }

    // Rows written through the program's own store on a connection of its own.
    void Seed(const std::vector<std::pair<TDateTime, QString>>& Diary, std::optional<int> Cycle) {
        ASSERT_FALSE(PrepareDatabase(DatabaseFile()).has_value());
        TADOConnection connection(nullptr);
        TADOQuery query(nullptr);
        connection.SetConnectionString(DatabaseConnectionString(World->Program));
        VelnaStore store(connection, query);
        for (const auto& [date, text] : Diary)
            store.InsertDiary(date, QString::fromUtf8("正常"), text);
        if (Cycle) {
            store.LoadSettings();
            store.SaveSettings({"Anna", QString::fromUtf8("正常"), *Cycle, "2026-12-02", ""});
        } else {
            // A file made elsewhere, without the first settings row a new file gets.
            connection.Execute("delete * from [setting]");
        }
        query.Close();
        connection.Close();
    }

    // Creates the window and runs its show step, as the program's start does.
    Tform_velna& Open() {
        Window = std::make_unique<Tform_velna>(nullptr);
        Window->Show();
        return *Window;
    }
};
