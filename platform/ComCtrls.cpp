#include "platform/ComCtrls.h"

#include "platform/Environment.h"
#include "platform/HostWidget.h"

#include <QDateEdit>
#include <QLineEdit>

namespace {

// A click into the date selects the section under it (year, month or day), so that typing
// replaces the section, as in any date input. A drag that selected text itself is left alone.
class TSectionSelector : public QObject {
public:
    explicit TSectionSelector(QDateEdit* Edit) : QObject(Edit), FEdit(Edit) {}

protected:
    bool eventFilter(QObject*, QEvent* Event) override {
        if (Event->type() != QEvent::MouseButtonRelease) return false;
        // After the line edit has finished with the release (which may clear a selection).
        QMetaObject::invokeMethod(
            FEdit,
            [edit = FEdit] {
                QLineEdit* line = edit->findChild<QLineEdit*>();
                if (line && !line->hasSelectedText())
                    edit->setSelectedSection(edit->currentSection());
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    QDateEdit* FEdit;
};

} // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner)
    : TNativeControl(AOwner), FDate(DateOf(Env().Now())) {
    SetBounds(0, 0, 186, 21);
    FColor = clWindow;
    SetParentColor(false);
}

QDateEdit* TDateTimePicker::Editor() const {
    return static_cast<QDateEdit*>(Handle());
}

QWidget* TDateTimePicker::CreateWidget(QWidget* ParentWidget) {
    auto* e = new THost<QDateEdit>(this, ParentWidget);
    e->setCalendarPopup(true);
    e->setDisplayFormat("yyyy-MM-dd");
    e->setMinimumDate(QDate(1753, 1, 1));
    e->setMaximumDate(QDate(9999, 12, 31));
    if (QLineEdit* line = e->findChild<QLineEdit*>())
        line->installEventFilter(new TSectionSelector(e));
    {
        const QSignalBlocker quiet(e);
        e->setDate(DateTimeToQDate(FDate));
    }
    QObject::connect(e, &QDateEdit::dateChanged, e, [this] {
        try {
            Change();
        } catch (...) {
            ApplicationHandleException(this);
        }
    });
    return e;
}

TDateTime TDateTimePicker::Date() const {
    return HandleAllocated() ? QDateToDateTime(Editor()->date()) : FDate;
}

void TDateTimePicker::SetDate(TDateTime Value) {
    FDate = DateOf(Value);
    if (!HandleAllocated()) return;
    const QSignalBlocker quiet(Editor());
    Editor()->setDate(DateTimeToQDate(FDate));
}

void TDateTimePicker::Change() {
    if (OnChange) OnChange(this);
}

void TDateTimePicker::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS;
        return;
    }
    TNativeControl::WndProc(Message);
}
