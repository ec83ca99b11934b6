#pragma once
// The list box on Qt's list widget: one column of lines, optionally kept sorted, one line
// selected. Mouse releases over the lines reach the control as WM_LBUTTONUP like a click on any
// windowed control, so OnMouseUp sees them.

#include "platform/StdCtrls.h"

#include <memory>

class QListWidget;

class TCustomListBox : public TNativeControl {
public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;
    QListWidget* List() const;

    TStrings* Items();
    // The selected line, -1 when none.
    int ItemIndex() const;
    void SetItemIndex(int Value);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    // Height of one line in pixels.
    int ItemHeight() const;
    void Clear();

protected:
    QWidget* CreateWidget(QWidget* ParentWidget) override;
    void WndProc(TMessage& Message) override;

private:
    class TListBoxStrings;
    std::unique_ptr<TListBoxStrings> FItems;
    bool FSorted = false;
};

class TListBox : public TCustomListBox {
public:
    using TCustomListBox::TCustomListBox;
};
