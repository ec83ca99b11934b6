#include "platform/ListView.h"

#include "platform/Forms.h"
#include "platform/HostWidget.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QTreeView>
#include <numeric>

// The items as Qt sees them: rows read from the list view when painted.
class TListModel : public QAbstractTableModel {
public:
    TListModel(TListView* List, QObject* Parent) : QAbstractTableModel(Parent), FList(List) {}
    int rowCount(const QModelIndex& Parent) const override {
        return Parent.isValid() ? 0 : FList->ItemCount();
    }
    int columnCount(const QModelIndex& Parent) const override {
        return Parent.isValid() ? 0 : FList->ColumnCount();
    }
    QVariant data(const QModelIndex& Index, int Role) const override {
        if (Role != Qt::DisplayRole || !Index.isValid()) return {};
        return FList->ItemText(Index.row(), Index.column());
    }
    QVariant headerData(int Section, Qt::Orientation Orientation, int Role) const override {
        if (Orientation != Qt::Horizontal || Role != Qt::DisplayRole) return {};
        return Section < FList->ColumnCount() ? FList->Column(Section).Caption : QString();
    }
    Qt::ItemFlags flags(const QModelIndex& Index) const override {
        return Index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
    }
    void BeginInsertRow(int Row) { beginInsertRows({}, Row, Row); }
    void EndInsertRow() { endInsertRows(); }
    void BeginRemoveRow(int Row) { beginRemoveRows({}, Row, Row); }
    void EndRemoveRow() { endRemoveRows(); }
    void BeginInsertColumn(int Column) { beginInsertColumns({}, Column, Column); }
    void EndInsertColumn() { endInsertColumns(); }
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }
    void RowChanged(int Row) {
        emit dataChanged(index(Row, 0), index(Row, std::max(0, FList->ColumnCount() - 1)));
    }

private:
    TListView* FList;
};

TListItem::TListItem(TListView* Owner, int Index) : FOwner(Owner), FIndex(Index) {
    FSubItems.OnChange = [this](TObject*) { Refresh(); };
}

TListItem::~TListItem() = default;

void TListItem::SetCaption(const QString& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    Refresh();
}

void TListItem::Refresh() {
    FOwner->ItemChanged(this);
}

bool TListItem::Selected() const {
    return FOwner->Selected() == this;
}

void TListItem::SetSelected(bool Value) {
    if (Value)
        FOwner->SetSelected(this);
    else if (Selected())
        FOwner->SetSelected(nullptr);
}

void TListItem::Delete() {
    FOwner->DeleteItem(this);
}

TListView::TListView(TComponent* AOwner) : TNativeControl(AOwner) {
    SetBounds(0, 0, 250, 150);
    FColor = clWindow;
    SetParentColor(false);
}

TListView::~TListView() {
    FClearing = true;
    if (FModel) FModel->BeginReset();
    FItems.clear();
    if (FModel) FModel->EndReset();
}

QTreeView* TListView::View() const {
    return static_cast<QTreeView*>(Handle());
}

QWidget* TListView::CreateWidget(QWidget* ParentWidget) {
    auto* t = new THost<QTreeView>(this, ParentWidget);
    t->setRootIsDecorated(false);
    t->setUniformRowHeights(true);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->header()->setStretchLastSection(false);
    t->header()->setSectionsMovable(false);
    FModel = new TListModel(this, t);
    t->setModel(FModel);
    QObject::connect(t, &QTreeView::doubleClicked, t, [this] {
        try {
            DblClick();
        } catch (...) {
            ApplicationHandleException(this);
        }
    });
    return t;
}

void TListView::CreateWnd() {
    TNativeControl::CreateWnd();
    ShowColumns();
    // The selection made before the widget, already reported, passes to it quietly.
    TListItem* kept = std::exchange(FKeptSelection, nullptr);
    if (kept) SetSelected(kept);
    QTreeView* t = View();
    QObject::connect(t->selectionModel(), &QItemSelectionModel::selectionChanged, t,
                     [this] { SelectionChanged(); });
}

void TListView::ShowColumns() {
    for (int i = 0; i < ColumnCount(); ++i)
        if (FColumns[size_t(i)].Width >= 0) View()->setColumnWidth(i, FColumns[size_t(i)].Width);
}

void TListView::ApplyLook() {
    TNativeControl::ApplyLook();
    QTreeView* t = View();
    t->setAllColumnsShowFocus(FRowSelect);
    t->setSelectionBehavior(FRowSelect ? QAbstractItemView::SelectRows
                                       : QAbstractItemView::SelectItems);
    QString sheet;
    if (FGridLines)
        // A style sheet on the items drops the style's own margins: give the text room again.
        sheet += "QTreeView::item { border-right: 1px solid #c0c0c0; border-bottom: 1px solid "
                 "#c0c0c0; padding: 1px 4px; }"
                 // With a style sheet on the items, selected rows must name their colours too.
                 "QTreeView::item:selected { background: palette(highlight); "
                 "color: palette(highlighted-text); }";
    t->setStyleSheet(sheet);
    if (!FHideSelection) {
        QPalette pal = t->palette();
        pal.setColor(QPalette::Inactive, QPalette::Highlight,
                     pal.color(QPalette::Active, QPalette::Highlight));
        pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     pal.color(QPalette::Active, QPalette::HighlightedText));
        t->setPalette(pal);
    }
}

void TListView::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    }
    TNativeControl::WndProc(Message);
}

void TListView::AddColumn(const QString& Caption, int Width) {
    if (FModel) FModel->BeginInsertColumn(ColumnCount());
    FColumns.push_back({Caption, Width});
    if (!FModel) return;
    FModel->EndInsertColumn();
    if (Width >= 0) View()->setColumnWidth(ColumnCount() - 1, Width);
}

TListItem* TListView::AddItem() {
    const int row = ItemCount();
    if (FModel) FModel->BeginInsertRow(row);
    FItems.push_back(std::make_unique<TListItem>(this, row));
    if (!FRowOf.empty()) FRowOf.push_back(-1);
    if (FModel) FModel->EndInsertRow();
    return FItems.back().get();
}

TListItem* TListView::Item(int Index) const {
    std::unique_ptr<TListItem>& slot = FItems.at(size_t(Index));
    if (slot) return slot.get();
    // A row of FRows becomes an item when one is asked for.
    const int row = FRowOf.empty() ? Index : FRowOf[size_t(Index)];
    slot = std::make_unique<TListItem>(const_cast<TListView*>(this), Index);
    const auto onChange = std::exchange(slot->FSubItems.OnChange, nullptr);
    slot->FCaption = FRows->Text(row, 0);
    for (int c = 1; c < ColumnCount(); ++c) slot->FSubItems.Add(FRows->Text(row, c));
    slot->FData = FRows->Data(row);
    slot->FSubItems.OnChange = onChange;
    return slot.get();
}

QString TListView::ItemText(int Index, int Column) const {
    if (const TListItem* item = FItems[size_t(Index)].get()) {
        if (Column == 0) return item->Caption();
        const TStringList& sub = item->SubItemList();
        return Column <= sub.Count() ? sub.Strings(Column - 1) : QString();
    }
    return FRows->Text(FRowOf.empty() ? Index : FRowOf[size_t(Index)], Column);
}

void TListView::SetRows(std::shared_ptr<const TListRows> Rows) {
    ClearItems();
    if (!Rows) return;
    if (FModel) FModel->BeginReset();
    FRows = std::move(Rows);
    FItems.resize(size_t(FRows->Count()));
    if (FModel) FModel->EndReset();
}

void TListView::ItemChanged(const TListItem* Item) {
    if (FModel) FModel->RowChanged(Item->FIndex);
}

void TListView::ClearItems() {
    FClearing = true;
    FLastSelected = nullptr;
    FKeptSelection = nullptr;
    if (FModel) FModel->BeginReset();
    FItems.clear();
    FRows.reset();
    FRowOf.clear();
    if (FModel) FModel->EndReset();
    FClearing = false;
}

void TListView::DeleteItem(TListItem* Item) {
    const int i = IndexOf(Item);
    if (i < 0) return;
    if (FLastSelected == Item) FLastSelected = nullptr;
    if (FKeptSelection == Item) FKeptSelection = nullptr;
    FClearing = true;
    if (FModel) FModel->BeginRemoveRow(i);
    if (FRows && FRowOf.empty()) {
        FRowOf.resize(FItems.size());
        std::iota(FRowOf.begin(), FRowOf.end(), 0);
    }
    if (!FRowOf.empty()) FRowOf.erase(FRowOf.begin() + i);
    FItems.erase(FItems.begin() + i);
    for (size_t k = size_t(i); k < FItems.size(); ++k)
        if (FItems[k]) FItems[k]->FIndex = int(k);
    if (FModel) FModel->EndRemoveRow();
    FClearing = false;
    SelectionChanged();
}

int TListView::IndexOf(const TListItem* Item) const {
    if (!Item || Item->FOwner != this) return -1;
    const int i = Item->FIndex;
    return i >= 0 && i < ItemCount() && FItems[size_t(i)].get() == Item ? i : -1;
}

TListItem* TListView::Selected() const {
    if (!FModel) return FKeptSelection;
    const QModelIndexList sel = View()->selectionModel()->selectedIndexes();
    return sel.isEmpty() ? nullptr : Item(sel.front().row());
}

void TListView::SetSelected(TListItem* Item) {
    if (IndexOf(Item) < 0) Item = nullptr;
    if (!FModel) {
        FKeptSelection = Item;
        SelectionChanged();
        return;
    }
    QItemSelectionModel* sel = View()->selectionModel();
    if (!Item) return sel->clearSelection();
    QItemSelectionModel::SelectionFlags how = QItemSelectionModel::ClearAndSelect;
    if (FRowSelect) how |= QItemSelectionModel::Rows;
    sel->setCurrentIndex(FModel->index(Item->FIndex, 0), how);
}

void TListView::SetGridLines(bool Value) {
    SetLookField(FGridLines, Value);
}

void TListView::SetRowSelect(bool Value) {
    SetLookField(FRowSelect, Value);
}

void TListView::SetHideSelection(bool Value) {
    SetLookField(FHideSelection, Value);
}

void TListView::SelectionChanged() {
    if (FClearing) return;
    TListItem* now = Selected();
    if (now == FLastSelected) return;
    TListItem* old = FLastSelected;
    FLastSelected = now;
    try {
        if (old && OnSelectItem) OnSelectItem(this, old, false);
        if (now && OnSelectItem) OnSelectItem(this, now, true);
    } catch (...) {
        ApplicationHandleException(this);
    }
}
