#pragma once
// The date picker: a date edit with a drop-down calendar.

#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

class QDateEdit;

enum class TDateTimeKind { dtkDate, dtkTime };
enum class TDTDateFormat { dfShort, dfLong };

class TDateTimePicker : public TNativeControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);
    QDateEdit* Editor() const;
    // The picked day (whole days; the time of day is not kept).
    TDateTime Date() const;
    // Setting the date from the program raises no change event.
    void SetDate(TDateTime Value);
    TDateTime DateTime() const { return Date(); }
    void SetDateTime(TDateTime Value) { SetDate(Value); }
    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind Value) { FKind = Value; }
    TDTDateFormat DateFormat() const { return FDateFormat; }
    void SetDateFormat(TDTDateFormat Value) { FDateFormat = Value; }
    // The user picks or types a date.
    TNotifyEvent OnChange;

protected:
    QWidget* CreateWidget(QWidget* ParentWidget) override;
    void WndProc(TMessage& Message) override;
    virtual void Change();

private:
    // The date until the widget is made (made when the picker is first shown).
    TDateTime FDate;
    TDateTimeKind FKind = TDateTimeKind::dtkDate;
    TDTDateFormat FDateFormat = TDTDateFormat::dfShort;
};
