#include "platform/ComboBox.h"

#include "platform/HostWidget.h"

#include <QAbstractItemView>
#include <QLineEdit>

void TComboWidget::showPopup() {
    if (OnPopup) OnPopup(true);
    QComboBox::showPopup();
}

void TComboWidget::hidePopup() {
    QComboBox::hidePopup();
    if (OnPopup) OnPopup(false);
}

void TComboWidget::resizeEvent(QResizeEvent* Event) {
    QComboBox::resizeEvent(Event);
    if (OnLayout) OnLayout();
}

void TComboWidget::showEvent(QShowEvent* Event) {
    QComboBox::showEvent(Event);
    if (OnLayout) OnLayout();
}

// The items as a string list; objects ride along in the item data. A sorted combo box adds
// new lines at their sorted place. Until the box has its widget the items are kept here.
class TCustomComboBox::TComboStrings : public TStrings {
public:
    explicit TComboStrings(TCustomComboBox* Owner) : FOwner(Owner) {}
    QString Get(int Index) const override {
        CheckIndex(Index, GetCount());
        return Box() ? Box()->itemText(Index) : FTexts[Index];
    }
    int GetCount() const override { return Box() ? Box()->count() : int(FTexts.size()); }
    void Insert(int Index, const QString& S) override {
        CheckIndex(Index, GetCount() + 1);
        if (!Box()) {
            FTexts.insert(Index, S);
            FObjects.insert(FObjects.begin() + Index, nullptr);
            if (FOwner->FIndex >= Index) ++FOwner->FIndex;
            return;
        }
        // Qt selects the first item put into an empty box; the platform's box selected none.
        const bool none = Box()->currentIndex() < 0;
        const QString text = Box()->currentText();
        Box()->insertItem(Index, S);
        if (none && Box()->currentIndex() >= 0) {
            Box()->setCurrentIndex(-1);
            if (Box()->isEditable()) Box()->setEditText(text);
        }
    }
    void Delete(int Index) override {
        CheckIndex(Index, GetCount());
        FOwner->Combo()->removeItem(Index);
    }
    void Clear() override {
        if (Box()) return Box()->clear();
        FTexts.clear();
        FObjects.clear();
        FOwner->FIndex = -1;
    }
    TObject* GetObject(int Index) const override {
        CheckIndex(Index, GetCount());
        if (!Box()) return FObjects[size_t(Index)];
        return reinterpret_cast<TObject*>(Box()->itemData(Index).value<quintptr>());
    }
    void PutObject(int Index, TObject* AObject) override {
        CheckIndex(Index, GetCount());
        if (!Box()) {
            FObjects[size_t(Index)] = AObject;
            return;
        }
        Box()->setItemData(Index, QVariant::fromValue(quintptr(AObject)));
    }
    int Add(const QString& S) override {
        int at = GetCount();
        if (FOwner->FSorted) {
            at = 0;
            while (at < GetCount() && CompareStrings(Get(at), S) <= 0) ++at;
        }
        Insert(at, S);
        return at;
    }
    void Sort() {
        QStringList l = ToStringList();
        std::stable_sort(l.begin(), l.end(), [this](const QString& a, const QString& b) {
            return CompareStrings(a, b) < 0;
        });
        QComboBox* box = FOwner->Combo();
        const QString text = box->currentText();
        box->clear();
        box->addItems(l);
        box->setCurrentIndex(-1);
        if (box->isEditable()) box->setEditText(text);
    }
    // Hands the kept items to the new widget.
    void MoveTo(QComboBox* Box) {
        for (int i = 0; i < FTexts.size(); ++i)
            Box->addItem(FTexts[i], QVariant::fromValue(quintptr(FObjects[size_t(i)])));
        FTexts.clear();
        FObjects.clear();
    }

private:
    QComboBox* Box() const { return FOwner->HandleAllocated() ? FOwner->Combo() : nullptr; }
    TCustomComboBox* FOwner;
    QStringList FTexts;
    std::vector<TObject*> FObjects;
};

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TNativeControl(AOwner), FItems(std::make_unique<TComboStrings>(this)) {
    SetBounds(0, 0, 145, 21);
    FColor = clWindow;
    SetParentColor(false);
    ControlStyle() = {TControlStyleItem::csCaptureMouse, TControlStyleItem::csSetCaption,
                      TControlStyleItem::csDoubleClicks, TControlStyleItem::csFixedHeight};
}

TCustomComboBox::~TCustomComboBox() = default;

TComboWidget* TCustomComboBox::Combo() const {
    return static_cast<TComboWidget*>(Handle());
}

QWidget* TCustomComboBox::CreateWidget(QWidget* ParentWidget) {
    auto* c = new THost<TComboWidget>(this, ParentWidget);
    c->setEditable(FStyle == TComboBoxStyle::csDropDown || FStyle == TComboBoxStyle::csSimple);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(std::max(1, FDropDownCount));
    FItems->MoveTo(c);
    c->setCurrentIndex(FIndex);
    if (c->lineEdit()) {
        c->lineEdit()->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
        c->setEditText(TNativeControl::GetText());
    }
    c->OnPopup = [this](bool Shown) { Shown ? DropDown() : CloseUp(); };
    c->OnLayout = [this] { EditorLayoutChanged(); };
    QObject::connect(c, &QComboBox::activated, c, [this] { Change(); });
    if (c->lineEdit())
        QObject::connect(c->lineEdit(), &QLineEdit::textEdited, c, [this] { Change(); });
    return c;
}

void TCustomComboBox::ApplyLook() {
    TNativeControl::ApplyLook();
    TComboWidget* c = Combo();
    QPalette pal = c->palette();
    pal.setColor(QPalette::Button, ToQColor(Color()));
    c->setPalette(pal);
    if (c->lineEdit()) c->lineEdit()->setPalette(pal);
    c->view()->setPalette(pal);
}

void TCustomComboBox::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS;
        return;
    }
    TNativeControl::WndProc(Message);
}

TStrings* TCustomComboBox::Items() {
    return FItems.get();
}

int TCustomComboBox::ItemIndex() const {
    return HandleAllocated() ? Combo()->currentIndex() : FIndex;
}

void TCustomComboBox::SetItemIndex(int Value) {
    const int index = Value >= 0 && Value < FItems->Count() ? Value : -1;
    if (HandleAllocated()) return Combo()->setCurrentIndex(index);
    // As the widget does: picking an item shows its text in the edit field.
    FIndex = index;
    TNativeControl::SetTextValue(index >= 0 ? FItems->Strings(index) : QString());
}

bool TCustomComboBox::Editable() const {
    return FStyle == TComboBoxStyle::csDropDown || FStyle == TComboBoxStyle::csSimple;
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    if (!HandleAllocated()) return;
    TComboWidget* c = Combo();
    const bool editable = Value == TComboBoxStyle::csDropDown || Value == TComboBoxStyle::csSimple;
    if (c->isEditable() == editable) return;
    c->setEditable(editable);
    if (c->lineEdit()) {
        c->lineEdit()->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
        QObject::connect(c->lineEdit(), &QLineEdit::textEdited, c, [this] { Change(); });
    }
    ApplyLook();
    EditorLayoutChanged();
}

void TCustomComboBox::SetDroppedDown(bool Value) {
    if (Value == FDroppedDown) return;
    Value ? Combo()->showPopup() : Combo()->hidePopup();
}

void TCustomComboBox::SetDropDownCount(int Value) {
    FDropDownCount = Value;
    if (HandleAllocated()) Combo()->setMaxVisibleItems(std::max(1, Value));
}

void TCustomComboBox::SetSorted(bool Value) {
    if (FSorted == Value) return;
    FSorted = Value;
    if (Value) FItems->Sort();
}

void TCustomComboBox::SetMaxLength(int Value) {
    FMaxLength = Value;
    if (!HandleAllocated()) return;
    if (QLineEdit* e = Combo()->lineEdit()) e->setMaxLength(Value > 0 ? Value : 32767);
}

void TCustomComboBox::Clear() {
    FItems->Clear();
    SetTextValue(QString());
}

QString TCustomComboBox::GetText() const {
    if (HandleAllocated()) return Combo()->currentText();
    if (Editable()) return TNativeControl::GetText();
    return FIndex >= 0 ? FItems->Strings(FIndex) : QString();
}

void TCustomComboBox::SetTextValue(const QString& Value) {
    if (!HandleAllocated()) {
        if (Editable())
            TNativeControl::SetTextValue(Value);
        else
            FIndex = int(FItems->IndexOf(Value));
        return;
    }
    TComboWidget* c = Combo();
    if (c->isEditable())
        c->setEditText(Value);
    else
        c->setCurrentIndex(c->findText(Value, Qt::MatchFixedString));
}

void TCustomComboBox::Change() {
    if (OnChange) OnChange(this);
}

void TCustomComboBox::DropDown() {
    FDroppedDown = true;
    if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
    FDroppedDown = false;
    if (OnCloseUp) OnCloseUp(this);
}
