#include "platform/ListView.h"

#include "platform/Forms.h"
#include "platform/HostWidget.h"

#include <QHeaderView>
#include <QTreeWidget>

TListItem::TListItem(TListView* Owner, QTreeWidgetItem* Item) : FOwner(Owner), FItem(Item) {
    FSubItems.OnChange = [this](TObject*) { Refresh(); };
}

TListItem::~TListItem() {
    delete FItem;
}

void TListItem::SetCaption(const QString& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    Refresh();
}

void TListItem::Refresh() {
    FItem->setText(0, FCaption);
    for (int i = 0; i < FSubItems.Count(); ++i) FItem->setText(i + 1, FSubItems.Strings(i));
}

int TListItem::Index() const {
    return FOwner->IndexOf(this);
}

bool TListItem::Selected() const {
    return FItem->isSelected();
}

void TListItem::SetSelected(bool Value) {
    if (Value)
        FOwner->SetSelected(this);
    else
        FItem->setSelected(false);
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
    FItems.clear();
}

QTreeWidget* TListView::Tree() const {
    return static_cast<QTreeWidget*>(Handle());
}

QWidget* TListView::CreateWidget(QWidget* ParentWidget) {
    auto* t = new THost<QTreeWidget>(this, ParentWidget);
    t->setRootIsDecorated(false);
    t->setUniformRowHeights(true);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->header()->setStretchLastSection(false);
    t->header()->setSectionsMovable(false);
    t->setColumnCount(0);
    QObject::connect(t, &QTreeWidget::itemSelectionChanged, t, [this] { SelectionChanged(); });
    QObject::connect(t, &QTreeWidget::itemDoubleClicked, t, [this] {
        try {
            DblClick();
        } catch (...) {
            ApplicationHandleException(this);
        }
    });
    return t;
}

void TListView::ApplyLook() {
    TNativeControl::ApplyLook();
    QTreeWidget* t = Tree();
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
    FColumns.push_back({Caption, Width});
    QTreeWidget* t = Tree();
    t->setColumnCount(ColumnCount());
    QStringList labels;
    for (const TListColumn& c : FColumns) labels << c.Caption;
    t->setHeaderLabels(labels);
    if (Width >= 0) t->setColumnWidth(ColumnCount() - 1, Width);
}

TListItem* TListView::AddItem() {
    auto* native = new QTreeWidgetItem(Tree());
    FItems.push_back(std::make_unique<TListItem>(this, native));
    return FItems.back().get();
}

void TListView::ClearItems() {
    FClearing = true;
    FLastSelected = nullptr;
    FItems.clear();
    Tree()->clear();
    FClearing = false;
}

void TListView::DeleteItem(TListItem* Item) {
    const int i = IndexOf(Item);
    if (i < 0) return;
    if (FLastSelected == Item) FLastSelected = nullptr;
    FClearing = true;
    FItems.erase(FItems.begin() + i);
    FClearing = false;
    SelectionChanged();
}

int TListView::IndexOf(const TListItem* Item) const {
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Item) return static_cast<int>(i);
    return -1;
}

TListItem* TListView::FindNative(const QTreeWidgetItem* Item) const {
    for (const auto& i : FItems)
        if (i->Native() == Item) return i.get();
    return nullptr;
}

TListItem* TListView::Selected() const {
    const QList<QTreeWidgetItem*> sel = Tree()->selectedItems();
    return sel.isEmpty() ? nullptr : FindNative(sel.front());
}

void TListView::SetSelected(TListItem* Item) {
    if (!Item) {
        Tree()->clearSelection();
        return;
    }
    Tree()->setCurrentItem(Item->Native());
    Item->Native()->setSelected(true);
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
