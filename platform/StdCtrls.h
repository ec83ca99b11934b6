#pragma once
// Standard windowed controls built on Qt's own widgets: edit, memo and push button.

#include "platform/ExtCtrls.h"
#include "platform/Strings.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Shared by the Qt-backed controls: font and colours follow the control's properties.
class TNativeControl : public TWinControl {
public:
    explicit TNativeControl(TComponent* AOwner);

protected:
    void WndProc(TMessage& Message) override;
    void CreateWnd() override { RefreshLook(); }
    void Loaded() override;
    // Puts the control's font, colours and look properties on its widget; called only while
    // the widget exists.
    virtual void ApplyLook();
    // Applies the look now, or once loading is over and the widget exists.
    void RefreshLook();
    // Applies a look put off while loading, before text is laid out with it.
    void EnsureLook();
    // Stores a property the widget's look is made from and applies the look (once loaded).
    template <class T> void SetLookField(T& Field, const T& Value) {
        if (Field == Value) return;
        Field = Value;
        RefreshLook();
    }

private:
    bool FLookPending = false;
};

class TCustomEdit : public TNativeControl {
public:
    explicit TCustomEdit(TComponent* AOwner);
    QLineEdit* Edit() const;

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase Value) { FCharCase = Value; }
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    bool Modified() const;
    void SetModified(bool Value);
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    QString SelText() const;
    void SetSelText(const QString& Value);
    void SelectAll();
    void SetTextMargins(int Left, int Top, int Right, int Bottom);
    void Clear() { SetText(QString()); }
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    TNotifyEvent OnChange;

protected:
    QWidget* CreateWidget(QWidget* ParentWidget) override;
    void WndProc(TMessage& Message) override;
    QString GetText() const override;
    void SetTextValue(const QString& Value) override;
    void KeyPress(QChar& Key) override;
    virtual void Change();
    void ApplyLook() override;
    // Keeps Width pixels round the text free for a frame the control paints itself.
    void SetFrameSpace(int Width);

private:
    int FFrameSpace = 0;
    TRect FTextMargins{};
    bool FReadOnly = false;
    int FMaxLength = 0;
    TEditCharCase FCharCase = TEditCharCase::ecNormal;
    QChar FPasswordChar;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    bool FAutoSelect = true;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};

class TCustomMemo : public TNativeControl {
public:
    explicit TCustomMemo(TComponent* AOwner);
    ~TCustomMemo() override;
    QPlainTextEdit* Memo() const;

    TStrings* Lines();
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value) { FMaxLength = Value; }
    void Clear() { SetText(QString()); }
    void SelectAll();

    TNotifyEvent OnChange;

protected:
    QWidget* CreateWidget(QWidget* ParentWidget) override;
    void WndProc(TMessage& Message) override;
    QString GetText() const override;
    void SetTextValue(const QString& Value) override;
    void ApplyLook() override;
    virtual void Change();
    // Keeps Width pixels round the text and scroll bars free for a frame the control paints.
    void SetFrameSpace(int Width);
    void CreateWnd() override;

private:
    // The text with line feeds, from the widget or, before there is one, as kept.
    QString PlainText() const;
    void SetPlainText(const QString& Value);
    int FFrameSpace = -1; // none set
    class TMemoStrings;
    std::unique_ptr<TMemoStrings> FLines;
    bool FReadOnly = false;
    TScrollStyle FScrollBars = TScrollStyle::ssNone;
    bool FWordWrap = true;
    bool FWantReturns = true;
    bool FWantTabs = false;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    int FMaxLength = 0;
};

class TMemo : public TCustomMemo {
public:
    using TCustomMemo::TCustomMemo;
};

class TButton : public TNativeControl {
public:
    explicit TButton(TComponent* AOwner);
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int Value) { FModalResult = Value; }
    void Click() override;

protected:
    QWidget* CreateWidget(QWidget* ParentWidget) override;
    void WndProc(TMessage& Message) override;
    void SetTextValue(const QString& Value) override;

private:
    bool FDefault = false;
    bool FCancel = false;
    int FModalResult = 0;
};
