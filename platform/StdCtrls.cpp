#include "platform/StdCtrls.h"

#include "platform/Forms.h"
#include "platform/HostWidget.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

// ---------------------------------------------------------------------------------------------
// Qt-backed controls

TNativeControl::TNativeControl(TComponent* AOwner) : TWinControl(AOwner) {
    SetNativeWidget(true);
    SetTabStop(true);
}

void TNativeControl::ApplyLook() {
    QWidget* w = Handle();
    w->setFont(Font()->ToQFont());
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, ToQColor(Color()));
    pal.setColor(QPalette::Window, ToQColor(Color()));
    pal.setColor(QPalette::Text, ToQColor(Font()->Color()));
    pal.setColor(QPalette::WindowText, ToQColor(Font()->Color()));
    pal.setColor(QPalette::ButtonText, ToQColor(Font()->Color()));
    w->setPalette(pal);
}

void TNativeControl::WndProc(TMessage& Message) {
    TWinControl::WndProc(Message);
    switch (Message.Msg) {
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_PARENTFONTCHANGED:
    case CM_PARENTCOLORCHANGED:
        // While the window is read from its description the look is applied once, at the end
        // (or before the first text needs it).
        RefreshLook();
        break;
    default:
        break;
    }
}

void TNativeControl::Loaded() {
    TWinControl::Loaded();
    RefreshLook();
}

void TNativeControl::RefreshLook() {
    // A control without a widget yet gets its look when the widget is made.
    if (IsLoading() || !HandleAllocated()) {
        FLookPending = true;
        return;
    }
    FLookPending = false;
    ApplyLook();
}

void TNativeControl::EnsureLook() {
    if (!FLookPending || !HandleAllocated()) return;
    FLookPending = false;
    ApplyLook();
}

// ---------------------------------------------------------------------------------------------
// Edit

TCustomEdit::TCustomEdit(TComponent* AOwner) : TNativeControl(AOwner) {
    SetBounds(0, 0, 121, 21);
    FColor = clWindow;
    SetParentColor(false);
    ControlStyle() = {TControlStyleItem::csCaptureMouse, TControlStyleItem::csClickEvents,
                      TControlStyleItem::csSetCaption, TControlStyleItem::csDoubleClicks,
                      TControlStyleItem::csFixedHeight};
}

QLineEdit* TCustomEdit::Edit() const {
    return static_cast<QLineEdit*>(Handle());
}

QWidget* TCustomEdit::CreateWidget(QWidget* ParentWidget) {
    auto* e = new THost<QLineEdit>(this, ParentWidget);
    e->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
    e->setReadOnly(FReadOnly);
    e->setFrame(FBorderStyle == TBorderStyle::bsSingle);
    e->setEchoMode(FPasswordChar.isNull() ? QLineEdit::Normal : QLineEdit::Password);
    e->setText(TNativeControl::GetText());
    e->setContentsMargins(FFrameSpace, FFrameSpace, FFrameSpace, FFrameSpace);
    e->setTextMargins(FTextMargins.Left, FTextMargins.Top, FTextMargins.Right, FTextMargins.Bottom);
    QObject::connect(e, &QLineEdit::textChanged, e, [this] { Change(); });
    return e;
}

void TCustomEdit::ApplyLook() {
    TNativeControl::ApplyLook();
}

void TCustomEdit::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        return;
    }
    TNativeControl::WndProc(Message);
}

QString TCustomEdit::GetText() const {
    return HandleAllocated() ? Edit()->text() : TNativeControl::GetText();
}

void TCustomEdit::SetTextValue(const QString& Value) {
    if (HandleAllocated()) return Edit()->setText(Value);
    // Kept for the widget; the change is told now, as the widget would.
    TNativeControl::SetTextValue(Value);
    Change();
}

void TCustomEdit::KeyPress(QChar& Key) {
    TNativeControl::KeyPress(Key);
    if (FCharCase == TEditCharCase::ecUpperCase)
        Key = Key.toUpper();
    else if (FCharCase == TEditCharCase::ecLowerCase)
        Key = Key.toLower();
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomEdit::SetReadOnly(bool Value) {
    if (FReadOnly == Value) return;
    FReadOnly = Value;
    if (HandleAllocated()) Edit()->setReadOnly(Value);
}

void TCustomEdit::SetMaxLength(int Value) {
    if (FMaxLength == Value) return;
    FMaxLength = Value;
    if (HandleAllocated()) Edit()->setMaxLength(Value > 0 ? Value : 32767);
}

void TCustomEdit::SetPasswordChar(QChar Value) {
    if (FPasswordChar == Value) return;
    FPasswordChar = Value;
    if (HandleAllocated())
        Edit()->setEchoMode(Value.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
    FBorderStyle = Value;
    if (HandleAllocated()) Edit()->setFrame(Value == TBorderStyle::bsSingle);
}

bool TCustomEdit::Modified() const {
    return HandleAllocated() && Edit()->isModified();
}
void TCustomEdit::SetModified(bool Value) {
    if (Value || HandleAllocated()) Edit()->setModified(Value);
}

int TCustomEdit::SelStart() const {
    return Edit()->hasSelectedText() ? Edit()->selectionStart() : Edit()->cursorPosition();
}

void TCustomEdit::SetSelStart(int Value) {
    Edit()->setCursorPosition(Value);
}

int TCustomEdit::SelLength() const {
    return Edit()->selectedText().size();
}

void TCustomEdit::SetSelLength(int Value) {
    Edit()->setSelection(SelStart(), Value);
}

QString TCustomEdit::SelText() const {
    return Edit()->selectedText();
}

void TCustomEdit::SetSelText(const QString& Value) {
    Edit()->insert(Value);
}

void TCustomEdit::SelectAll() {
    Edit()->selectAll();
}

void TCustomEdit::ClearSelection() {
    Edit()->del();
}

void TCustomEdit::CopyToClipboard() {
    Edit()->copy();
}

void TCustomEdit::CutToClipboard() {
    Edit()->cut();
}

void TCustomEdit::PasteFromClipboard() {
    Edit()->paste();
}

// ---------------------------------------------------------------------------------------------
// Memo

// The memo's lines, read from and written to its document; a final empty line (after a last
// line break) is not counted, as the platform's memo did.
class TCustomMemo::TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo* Memo) : FMemo(Memo) {}
    QString Get(int Index) const override {
        CheckIndex(Index, GetCount());
        return Lines()[Index];
    }
    int GetCount() const override {
        const QStringList l = Lines();
        return l.size();
    }
    void Insert(int Index, const QString& S) override {
        QStringList l = Lines();
        CheckIndex(Index, l.size() + 1);
        l.insert(Index, S);
        Store(l);
    }
    void Delete(int Index) override {
        QStringList l = Lines();
        CheckIndex(Index, l.size());
        l.removeAt(Index);
        Store(l);
    }
    void Put(int Index, const QString& S) override {
        QStringList l = Lines();
        CheckIndex(Index, l.size());
        l[Index] = S;
        Store(l);
    }
    void Clear() override { FMemo->SetPlainText(QString()); }
    void SetText(const QString& Value) override {
        QString t = Value;
        t.replace("\r\n", "\n").replace('\r', '\n');
        FMemo->SetPlainText(t);
    }

private:
    QStringList Lines() const {
        QString t = FMemo->PlainText();
        if (t.isEmpty()) return {};
        QStringList l = t.split('\n');
        if (!l.isEmpty() && l.back().isEmpty()) l.removeLast();
        return l;
    }
    void Store(const QStringList& L) {
        FMemo->SetPlainText(L.isEmpty() ? QString() : L.join('\n') + '\n');
    }
    TCustomMemo* FMemo;
};

TCustomMemo::TCustomMemo(TComponent* AOwner)
    : TNativeControl(AOwner), FLines(std::make_unique<TMemoStrings>(this)) {
    SetBounds(0, 0, 185, 89);
    FColor = clWindow;
    SetParentColor(false);
}

TCustomMemo::~TCustomMemo() = default;

TStrings* TCustomMemo::Lines() {
    return FLines.get();
}

QPlainTextEdit* TCustomMemo::Memo() const {
    return static_cast<QPlainTextEdit*>(Handle());
}

QWidget* TCustomMemo::CreateWidget(QWidget* ParentWidget) {
    auto* m = new THost<QPlainTextEdit>(this, ParentWidget);
    m->setTabChangesFocus(!FWantTabs);
    if (FFrameSpace >= 0) {
        m->setFrameStyle(QFrame::Box | QFrame::Plain);
        m->setLineWidth(FFrameSpace);
    }
    return m;
}

void TCustomMemo::CreateWnd() {
    TNativeControl::CreateWnd();
    // The text kept so far, laid out once with the control's font when there is one.
    EnsureLook();
    QPlainTextEdit* m = Memo();
    m->setPlainText(TNativeControl::GetText());
    QObject::connect(m, &QPlainTextEdit::textChanged, m, [this] { Change(); });
}

QString TCustomMemo::PlainText() const {
    return HandleAllocated() ? Memo()->toPlainText() : TNativeControl::GetText();
}

void TCustomMemo::SetPlainText(const QString& Value) {
    if (HandleAllocated()) {
        EnsureLook();
        return Memo()->setPlainText(Value);
    }
    // Kept for the widget; the change is told now, as the widget would.
    TNativeControl::SetTextValue(Value);
    Change();
}

void TCustomMemo::ApplyLook() {
    TNativeControl::ApplyLook();
    QPlainTextEdit* m = Memo();
    m->setReadOnly(FReadOnly);
    m->setLineWrapMode(FWordWrap && FScrollBars != TScrollStyle::ssHorizontal &&
                               FScrollBars != TScrollStyle::ssBoth
                           ? QPlainTextEdit::WidgetWidth
                           : QPlainTextEdit::NoWrap);
    const bool v = FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth;
    const bool h = FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth;
    m->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m->setFrameShape(FBorderStyle == TBorderStyle::bsSingle ? QFrame::StyledPanel
                                                            : QFrame::NoFrame);
    m->viewport()->setPalette(m->palette());
}

void TCustomMemo::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL |
                         (FWantTabs ? unsigned(DLGC_WANTTAB) : 0u) |
                         (FWantReturns ? unsigned(DLGC_WANTALLKEYS) : 0u);
        return;
    }
    TNativeControl::WndProc(Message);
}

QString TCustomMemo::GetText() const {
    QString t = PlainText();
    return t.replace('\n', "\r\n");
}

void TCustomMemo::SetTextValue(const QString& Value) {
    FLines->SetText(Value);
}

void TCustomMemo::Change() {
    if (OnChange) OnChange(this);
}

void TCustomMemo::SetReadOnly(bool Value) {
    SetLookField(FReadOnly, Value);
}

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
    SetLookField(FScrollBars, Value);
}

void TCustomMemo::SetWordWrap(bool Value) {
    SetLookField(FWordWrap, Value);
}

void TCustomMemo::SetBorderStyle(TBorderStyle Value) {
    SetLookField(FBorderStyle, Value);
}

void TCustomMemo::SelectAll() {
    Memo()->selectAll();
}

// ---------------------------------------------------------------------------------------------
// Button

TButton::TButton(TComponent* AOwner) : TNativeControl(AOwner) {
    SetBounds(0, 0, 75, 25);
    ControlStyle() = {TControlStyleItem::csSetCaption, TControlStyleItem::csDoubleClicks};
}

QWidget* TButton::CreateWidget(QWidget* ParentWidget) {
    auto* b = new THost<QPushButton>(this, ParentWidget);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setText(TNativeControl::GetText());
    b->setDefault(FDefault);
    QObject::connect(b, &QPushButton::clicked, b, [this] {
        try {
            Click();
        } catch (...) {
            ApplicationHandleException(this);
        }
    });
    return b;
}

void TButton::SetTextValue(const QString& Value) {
    TNativeControl::SetTextValue(Value);
    if (HandleAllocated()) static_cast<QPushButton*>(Handle())->setText(Value);
}

void TButton::SetDefault(bool Value) {
    FDefault = Value;
    if (HandleAllocated()) static_cast<QPushButton*>(Handle())->setDefault(Value);
}

void TButton::Click() {
    if (TCustomForm* f = GetParentForm(this)) f->SetModalResult(FModalResult);
    TNativeControl::Click();
}

void TButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_DIALOGCHAR:
        if (IsAccel(unsigned(Message.WParam), Caption()) && CanFocus()) {
            Click();
            Message.Result = 1;
        }
        return;
    case CM_DIALOGKEY:
        if ((Message.WParam == VK_RETURN && FDefault) || (Message.WParam == VK_ESCAPE && FCancel)) {
            Click();
            Message.Result = 1;
        }
        return;
    default:
        break;
    }
    TNativeControl::WndProc(Message);
}
