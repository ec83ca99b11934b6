#include "platform/ListBox.h"
#include "platform/WidgetOf.h"

#include "platform/HostWidget.h"

#include <QListWidget>
#include <QMouseEvent>
#include <algorithm>

namespace {

// The lines live in the viewport, which Qt gives its own mouse events; they are handed to the
// control as the messages a click on the box would give.
class TViewportMouse : public QObject {
public:
    explicit TViewportMouse(TWinControl* Control, QObject* Parent)
        : QObject(Parent), FControl(Control) {}

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::MouseButtonRelease) {
            auto* me = static_cast<QMouseEvent*>(Event);
            const QPoint p = static_cast<QWidget*>(Watched)->mapTo(WidgetOf(*FControl),
                                                                   me->position().toPoint());
            const unsigned msg = me->button() == Qt::RightButton ? WM_RBUTTONUP : WM_LBUTTONUP;
            FControl->Perform(msg, 0, MakeLParam(p.x(), p.y()));
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    TWinControl* FControl;
};

} // namespace

class TCustomListBox::TListBoxStrings : public TStrings {
public:
    explicit TListBoxStrings(TCustomListBox* Owner) : FOwner(Owner) {}
    QString Get(int Index) const override {
        CheckIndex(Index, GetCount());
        return Box()->item(Index)->text();
    }
    int GetCount() const override { return Box()->count(); }
    void Insert(int Index, const QString& S) override {
        CheckIndex(Index, GetCount() + 1);
        Box()->insertItem(Index, S);
    }
    void Delete(int Index) override {
        CheckIndex(Index, GetCount());
        delete Box()->takeItem(Index);
    }
    void Clear() override { Box()->clear(); }
    int Add(const QString& S) override {
        int at = GetCount();
        if (FOwner->FSorted) {
            // Binary search: a sorted box fills one line at a time.
            int lo = 0, hi = GetCount();
            while (lo < hi) {
                const int mid = (lo + hi) / 2;
                if (CompareStrings(Get(mid), S) <= 0)
                    lo = mid + 1;
                else
                    hi = mid;
            }
            at = lo;
        }
        Insert(at, S);
        return at;
    }
    void Sort() {
        QStringList l = ToStringList();
        std::stable_sort(l.begin(), l.end(), [this](const QString& a, const QString& b) {
            return CompareStrings(a, b) < 0;
        });
        Box()->clear();
        Box()->addItems(l);
    }

private:
    QListWidget* Box() const { return FOwner->List(); }
    TCustomListBox* FOwner;
};

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TNativeControl(AOwner), FItems(std::make_unique<TListBoxStrings>(this)) {
    SetBounds(0, 0, 121, 97);
    FColor = clWindow;
    SetParentColor(false);
    ControlStyle() = {TControlStyleItem::csSetCaption, TControlStyleItem::csDoubleClicks};
}

TCustomListBox::~TCustomListBox() = default;

QListWidget* TCustomListBox::List() const {
    return static_cast<QListWidget*>(Handle());
}

QWidget* TCustomListBox::CreateWidget(QWidget* ParentWidget) {
    auto* l = new THost<QListWidget>(this, ParentWidget);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setUniformItemSizes(true);
    l->viewport()->installEventFilter(new TViewportMouse(this, l));
    return l;
}

void TCustomListBox::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    }
    TNativeControl::WndProc(Message);
}

TStrings* TCustomListBox::Items() {
    return FItems.get();
}

int TCustomListBox::ItemIndex() const {
    return List()->currentRow();
}

void TCustomListBox::SetItemIndex(int Value) {
    List()->setCurrentRow(Value >= 0 && Value < List()->count() ? Value : -1);
}

void TCustomListBox::SetSorted(bool Value) {
    if (FSorted == Value) return;
    FSorted = Value;
    if (Value && HandleAllocated()) FItems->Sort();
}

int TCustomListBox::ItemHeight() const {
    const int h = List()->sizeHintForRow(0);
    return h > 0 ? h : List()->fontMetrics().height() + 2;
}

void TCustomListBox::Clear() {
    FItems->Clear();
}
