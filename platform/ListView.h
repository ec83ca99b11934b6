#pragma once
// The report-style list view: columns with captions and widths, items with a caption,
// sub-items and a value of the program's own.

#include "platform/StdCtrls.h"

#include <functional>
#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class TListView;

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

struct TListColumn {
    QString Caption;
    int Width = 50; // -1: the platform's default width
};

class TListItem : public TPersistent {
public:
    TListItem(TListView* Owner, QTreeWidgetItem* Item);
    ~TListItem() override;
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    TStrings* SubItems() { return &FSubItems; }
    intptr_t Data() const { return FData; }
    void SetData(intptr_t Value) { FData = Value; }
    int Index() const;
    bool Selected() const;
    void SetSelected(bool Value);
    void Delete();
    QTreeWidgetItem* Native() const { return FItem; }

private:
    void Refresh();
    TListView* FOwner;
    QTreeWidgetItem* FItem;
    QString FCaption;
    TStringList FSubItems;
    intptr_t FData = 0;
};

using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;

class TListView : public TNativeControl {
public:
    explicit TListView(TComponent* AOwner);
    ~TListView() override;
    QTreeWidget* Tree() const;

    void AddColumn(const QString& Caption, int Width);
    int ColumnCount() const { return static_cast<int>(FColumns.size()); }
    const TListColumn& Column(int Index) const { return FColumns.at(Index); }

    TListItem* AddItem();
    int ItemCount() const { return static_cast<int>(FItems.size()); }
    TListItem* Item(int Index) const { return FItems.at(Index).get(); }
    void ClearItems();
    void DeleteItem(TListItem* Item);
    int IndexOf(const TListItem* Item) const;
    TListItem* Selected() const;
    void SetSelected(TListItem* Item);
    TListItem* FindNative(const QTreeWidgetItem* Item) const;

    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle Value) { FViewStyle = Value; }
    bool GridLines() const { return FGridLines; }
    void SetGridLines(bool Value);
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }

    TLVSelectItemEvent OnSelectItem;

protected:
    QWidget* CreateWidget(QWidget* ParentWidget) override;
    void ApplyLook() override;
    void WndProc(TMessage& Message) override;

private:
    void SelectionChanged();
    std::vector<TListColumn> FColumns;
    std::vector<std::unique_ptr<TListItem>> FItems;
    TListItem* FLastSelected = nullptr;
    TViewStyle FViewStyle = TViewStyle::vsIcon;
    bool FGridLines = false;
    bool FRowSelect = false;
    bool FHideSelection = true;
    bool FReadOnly = false;
    bool FClearing = false;
};
