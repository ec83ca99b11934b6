#include "platform/ComCtrls.h"

#include "platform/Environment.h"
#include "platform/HostWidget.h"

#include <QDateEdit>

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TNativeControl(AOwner) {
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
    {
        const QSignalBlocker quiet(e);
        e->setDate(DateTimeToQDate(DateOf(Env().Now())));
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
    return QDateToDateTime(Editor()->date());
}

void TDateTimePicker::SetDate(TDateTime Value) {
    const QSignalBlocker quiet(Editor());
    Editor()->setDate(DateTimeToQDate(DateOf(Value)));
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
