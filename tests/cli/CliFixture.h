#pragma once
// A program in a fresh folder with its database beside it, and the command line run on it.

#include "app/cli/CommandLine.h"
#include "app/store/DiaryRecords.h"
#include "app/store/VelnaFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

struct CliFixture : ::testing::Test {
    QTemporaryDir Folder;
    QString Out, Err;

    QString Program() const { return Folder.filePath("soveli"); }
    QString Database() const { return Folder.filePath("velna.dll"); }
    QString File(const QString& Name) const { return Folder.filePath(Name); }

    int Run(const std::vector<QString>& Args, const QString& ProgramPath = {}) {
        Out.clear();
        Err.clear();
        return RunCommandLine(Args, ProgramPath.isEmpty() ? Program() : ProgramPath, Out, Err);
    }

    // Rows written through the window's own store.
    static void Seed(const QString& Db, const std::vector<std::array<QString, 3>>& Diary,
                     std::optional<int> Cycle) {
        ASSERT_FALSE(PrepareDatabase(Db).has_value());
        TADOConnection connection(nullptr);
        TADOQuery query(nullptr);
        connection.SetConnectionString("Data Source=" + Db);
        VelnaStore store(connection, query);
        for (const auto& [date, status, text] : Diary)
            store.InsertDiary(StrToDate(date), status, text);
        // A new database starts with default settings; no cycle means no settings row at all.
        if (!Cycle) connection.Execute("delete * from [setting]");
        if (Cycle) {
            store.LoadSettings();
            store.SaveSettings({"Anna", QStringLiteral("正常"), *Cycle, "2026/12/02____",
                                QStringLiteral("第一行\n第二行, \\ 结束")});
        }
        query.Close();
    }

    static std::vector<std::array<QString, 3>> Rows(const QString& Db) {
        TADOConnection connection(nullptr);
        connection.SetConnectionString("Data Source=" + Db + ";Mode=Read");
        std::vector<std::array<QString, 3>> out;
        for (const StoredDiary& r : ReadAllDiary(connection))
            out.push_back({r.DateText, r.Status, r.Diary});
        return out;
    }

    static QByteArray Read(const QString& Path) {
        QFile f(Path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void Write(const QString& Path, const QByteArray& Bytes) {
        QFile f(Path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(Bytes);
    }
};
