#pragma once
// String lists: the abstract TStrings that controls and grids expose their lines through, and the
// in-memory TStringList.

#include "platform/Classes.h"

#include <QString>
#include <QStringList>
#include <vector>

class TStrings : public TPersistent {
public:
    // The primitives a concrete list provides.
    virtual QString Get(int Index) const = 0;
    virtual int GetCount() const = 0;
    virtual void Insert(int Index, const QString& S) = 0;
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    // Lists without objects keep these defaults: no object, and storing one is ignored.
    virtual TObject* GetObject(int Index) const;
    virtual void PutObject(int Index, TObject* AObject);
    // Replaces a line, keeping its object; the default deletes and re-inserts.
    virtual void Put(int Index, const QString& S);
    virtual int Add(const QString& S);
    virtual int AddObject(const QString& S, TObject* AObject);
    virtual void InsertObject(int Index, const QString& S, TObject* AObject);
    virtual void Exchange(int Index1, int Index2);
    // Case-insensitive, as the platform compared list lines.
    virtual int IndexOf(const QString& S) const;
    virtual void Assign(const TStrings& Source);

    int Count() const { return GetCount(); }
    QString Strings(int Index) const { return Get(Index); }
    TObject* Objects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }
    int IndexOfObject(const TObject* AObject) const;
    void AddStrings(const TStrings& Source);
    QStringList ToStringList() const;

    // Every line followed by "\r\n"; an empty list gives "".
    QString Text() const;
    // Splits at "\r\n", "\n" or "\r"; a break at the very end adds no empty line.
    virtual void SetText(const QString& Value);

    // Nested; OnChanging fires when the first level opens, OnChange when the last one closes.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    // Called when the update count leaves or returns to zero.
    virtual void SetUpdateState(bool Updating);
    // Raise OnChanging/OnChange unless an update is in progress.
    void Changing();
    void Changed();
    int CompareStrings(const QString& S1, const QString& S2) const;
    [[noreturn]] static void Error(const QString& Msg, int Data);
    void CheckIndex(int Index, int Limit) const;

    bool FCaseSensitive = false;

private:
    int FUpdateCount = 0;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
using TStringListSortCompare = int (*)(TStringList* List, int Index1, int Index2);

class TStringList : public TStrings {
public:
    QString Get(int Index) const override;
    int GetCount() const override;
    void Insert(int Index, const QString& S) override;
    void Delete(int Index) override;
    void Clear() override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    void Put(int Index, const QString& S) override;
    int Add(const QString& S) override;
    int AddObject(const QString& S, TObject* AObject) override;
    void InsertObject(int Index, const QString& S, TObject* AObject) override;
    void Exchange(int Index1, int Index2) override;
    int IndexOf(const QString& S) const override;

    // Binary search of a sorted list: true when found; Index is the match or the insert place.
    bool Find(const QString& S, int& Index) const;
    virtual void Sort();
    virtual void CustomSort(TStringListSortCompare Compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value);

private:
    struct Item {
        QString S;
        TObject* Object = nullptr;
    };
    void InsertItem(int Index, const QString& S, TObject* AObject);
    void QuickSort(int L, int R, TStringListSortCompare Compare);

    std::vector<Item> FList;
    bool FSorted = false;
    TDuplicates FDuplicates = TDuplicates::dupIgnore;
};
