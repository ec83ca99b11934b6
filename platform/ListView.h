#pragma once
// The report-style list view: columns with captions and widths, items with a caption,
// sub-items and a value of the program's own.

#include "platform/StdCtrls.h"

#include <functional>
#include <memory>
#include <vector>

class QTreeView;
class TListModel;
class TListView;

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

struct TListColumn {
    QString Caption;
    int Width = 50; // -1: the platform's default width
};

// An item is only data: the view's widget shows the items through a model, so a long list
// costs no Qt object per item.
class TListItem : public TPersistent {
public:
    TListItem(TListView* Owner, int Index);
    ~TListItem() override;
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    TStrings* SubItems() { return &FSubItems; }
    const TStringList& SubItemList() const { return FSubItems; }
    intptr_t Data() const { return FData; }
    void SetData(intptr_t Value) { FData = Value; }
    int Index() const { return FIndex; }
    bool Selected() const;
    void SetSelected(bool Value);
    void Delete();

private:
    friend class TListView;
    void Refresh();
    TListView* FOwner;
    int FIndex;
    QString FCaption;
    TStringList FSubItems;
    intptr_t FData = 0;
};

// Rows kept elsewhere that the list shows without an item object per row: the text of a row's
// caption (column 0) and sub-items, and its value. The list makes an item for a row only when
// one is asked for.
class TListRows {
public:
    virtual ~TListRows() = default;
    virtual int Count() const = 0;
    virtual QString Text(int Row, int Column) const = 0;
    virtual intptr_t Data(int Row) const = 0;
};

using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;

class TListView : public TNativeControl {
public:
    explicit TListView(TComponent* AOwner);
    ~TListView() override;
    QTreeView* View() const;

    void AddColumn(const QString& Caption, int Width);
    int ColumnCount() const { return static_cast<int>(FColumns.size()); }
    const TListColumn& Column(int Index) const { return FColumns.at(Index); }

    TListItem* AddItem();
    int ItemCount() const { return static_cast<int>(FItems.size()); }
    TListItem* Item(int Index) const;
    void ClearItems();
    // Replaces the items by Rows, which the list keeps and reads when it shows a row.
    void SetRows(std::shared_ptr<const TListRows> Rows);
    void DeleteItem(TListItem* Item);
    int IndexOf(const TListItem* Item) const;
    TListItem* Selected() const;
    void SetSelected(TListItem* Item);

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
    void CreateWnd() override;
    void ApplyLook() override;
    void WndProc(TMessage& Message) override;

private:
    friend class TListItem;
    friend class TListModel;
    QString ItemText(int Index, int Column) const;
    void ItemChanged(const TListItem* Item);
    void ShowColumns();
    void SelectionChanged();
    std::vector<TListColumn> FColumns;
    // One per item; empty while the item is only a row of FRows.
    mutable std::vector<std::unique_ptr<TListItem>> FItems;
    std::shared_ptr<const TListRows> FRows;
    // The row of FRows of each item, once an item was deleted (-1: added, not from FRows).
    std::vector<int> FRowOf;
    // Made with the widget.
    TListModel* FModel = nullptr;
    // The selected item while there is no widget to hold the selection.
    TListItem* FKeptSelection = nullptr;
    TListItem* FLastSelected = nullptr;
    TViewStyle FViewStyle = TViewStyle::vsIcon;
    bool FGridLines = false;
    bool FRowSelect = false;
    bool FHideSelection = true;
    bool FReadOnly = false;
    bool FClearing = false;
};
