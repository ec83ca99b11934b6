#pragma once
// The combo box on Qt's combo box: an edit field with a drop-down list (csDropDown) or a list
// that only picks (csDropDownList). OnChange comes from the user's typing or picking, not from
// setting Text or ItemIndex in code.

#include "platform/StdCtrls.h"

#include <QComboBox>
#include <functional>
#include <memory>

enum class TComboBoxStyle {
    csDropDown,
    csSimple,
    csDropDownList,
    csOwnerDrawFixed,
    csOwnerDrawVariable
};

// Qt's combo box with notices of the list opening and closing and of a new size.
class TComboWidget : public QComboBox {
public:
    using QComboBox::QComboBox;
    void showPopup() override;
    void hidePopup() override;
    std::function<void(bool Shown)> OnPopup;
    std::function<void()> OnLayout;

protected:
    void resizeEvent(QResizeEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
};

class TCustomComboBox : public TNativeControl {
public:
    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;
    TComboWidget* Combo() const;

    TStrings* Items();
    int ItemIndex() const;
    void SetItemIndex(int Value);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value);
    bool DroppedDown() const { return FDroppedDown; }
    void SetDroppedDown(bool Value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value) { FItemHeight = Value; }
    void Clear();

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    QWidget* CreateWidget(QWidget* ParentWidget) override;
    void WndProc(TMessage& Message) override;
    QString GetText() const override;
    void SetTextValue(const QString& Value) override;
    void ApplyLook() override;
    virtual void Change();
    virtual void DropDown();
    virtual void CloseUp();
    // Qt has laid out the edit field again (after a resize or show).
    virtual void EditorLayoutChanged() {}
    // Puts the edit field at R (client coordinates), when the style has one.
    void PlaceEditField(const TRect& R);

private:
    bool Editable() const;
    class TComboStrings;
    std::unique_ptr<TComboStrings> FItems;
    // The picked item until the widget is made.
    int FIndex = -1;
    TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
    bool FDroppedDown = false;
    int FDropDownCount = 8;
    bool FSorted = false;
    int FMaxLength = 0;
    int FItemHeight = 16;
};

class TComboBox : public TCustomComboBox {
public:
    using TCustomComboBox::TCustomComboBox;
};
