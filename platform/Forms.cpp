#include "platform/Forms.h"
#include "platform/WidgetOf.h"

#include "platform/HostWidget.h"
#include "platform/NonClient.h"
#include "platform/WidgetCreation.h"

#include <QApplication>
#include <QCoreApplication>

namespace {

std::vector<TCustomForm*>& AllForms() {
    static std::vector<TCustomForm*> forms;
    return forms;
}

TApplication& TheApplication() {
    static TApplication app;
    return app;
}

TScreen& TheScreen() {
    static TScreen screen;
    return screen;
}

void CleanUpAtExit() {
    TheApplication().DestroyForms();
}

} // namespace

TApplication* const Application = &TheApplication();
TScreen* const Screen = &TheScreen();

void ApplicationHandleException(TObject* Sender) {
    Application->HandleException(Sender);
}

// ---------------------------------------------------------------------------------------------

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
    AllForms().push_back(this);
    SetVisible(false);
    FFont.SetName("MS Sans Serif");
    FFont.SetHeight(-11);
    FColor = clBtnFace;
    SetParentColor(false);
    SetParentFont(false);
}

TCustomForm::~TCustomForm() {
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            ApplicationHandleException(this);
        }
    }
    std::erase(AllForms(), this);
    if (Application->MainForm() == this) Application->SetMainForm(nullptr);
}

QWidget* TCustomForm::CreateWidget(QWidget*) {
    auto* w = new THost<QWidget>(this, nullptr);
    w->setWindowTitle(Caption());
    return w;
}

void TCustomForm::ApplyWindowFlags() {
    QWidget* w = Handle();
    Qt::WindowFlags f = Qt::Window;
    if (FBorderStyle == TFormBorderStyle::bsNone)
        f |= Qt::FramelessWindowHint;
    else if (FBorderStyle == TFormBorderStyle::bsDialog ||
             FBorderStyle == TFormBorderStyle::bsSingle)
        f |= Qt::MSWindowsFixedSizeDialogHint;
    const bool visible = w->isVisible();
    w->setWindowFlags(f);
    if (visible) w->show();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    ApplyWindowFlags();
}

void TCustomForm::SetIcon(const TGraphic& Value) {
    FIcon.LoadFromData(Value.SaveToData());
    Handle()->setWindowIcon(FIcon.ToQIcon());
}

void TCustomForm::SetTextValue(const QString& Value) {
    TWinControl::SetTextValue(Value);
    Handle()->setWindowTitle(Value);
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
    if (Control && Control != this && Control->CanFocus())
        Control->SetFocus();
    else
        FActiveControl = Control;
}

void TCustomForm::SetFocusedControl(TWinControl* Control) {
    if (Control == this) Control = nullptr;
    if (FFocusedControl == Control) return;
    TWinControl* old = FFocusedControl;
    FFocusedControl = Control;
    FActiveControl = Control;
    for (TWinControl* c = old; c && c != this && !(Control && c->ContainsControl(Control));
         c = c->Parent())
        c->Perform(CM_EXIT);
    std::vector<TWinControl*> entered;
    for (TWinControl* c = Control; c && c != this && !(old && c->ContainsControl(old));
         c = c->Parent())
        entered.push_back(c);
    for (auto it = entered.rbegin(); it != entered.rend(); ++it) (*it)->Perform(CM_ENTER);
}

void TCustomForm::ControlGone(TWinControl* Control) {
    if (FActiveControl == Control) FActiveControl = nullptr;
    if (FFocusedControl == Control) FFocusedControl = nullptr;
}

bool TCustomForm::Active() const {
    return HandleAllocated() && Handle()->isActiveWindow();
}

bool TCustomForm::Showing() const {
    return Visible() && HandleAllocated() && Handle()->isVisible();
}

void TCustomForm::SetVisible(bool Value) {
    if (Visible() == Value && FShown == Value) return;
    TControl::SetVisible(Value);
    FShown = Value;
    QWidget* w = Handle();
    if (Value) {
        if (FPosition == TPosition::poScreenCenter || FPosition == TPosition::poDesktopCenter) {
            const TRect wa = Env().WorkArea();
            SetBounds(wa.Left + (wa.Width() - Width()) / 2, wa.Top + (wa.Height() - Height()) / 2,
                      Width(), Height());
        }
        w->setGeometry(Left(), Top(), Width(), Height());
        DoShow();
        CreateShownWidgets(this);
        w->show();
        // A window the program shows becomes the active one, as on the desktop it came from.
        w->activateWindow();
    } else {
        w->hide();
        DoHide();
    }
}

void TCustomForm::DoShow() {
    // An error in the show step is reported and the window is shown all the same.
    try {
        if (OnShow) OnShow(this);
    } catch (...) {
        ApplicationHandleException(this);
    }
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}

void TCustomForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (!CloseQuery()) return;
    TCloseAction action = TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
    if (action == TCloseAction::caNone) return;
    if (Application->MainForm() == this) {
        Hide();
        Application->Terminate();
    } else if (action == TCloseAction::caFree) {
        Release();
    } else {
        Hide();
    }
}

void TCustomForm::Release() {
    Hide();
    QWidget* w = Handle();
    QMetaObject::invokeMethod(
        w, [this] { delete this; }, Qt::QueuedConnection);
}

void TCustomForm::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_CLOSE:
        // The window system asked: the form decides, and Qt never closes it by itself.
        Close();
        Message.Result = 0;
        return;
    case CM_DIALOGKEY: {
        const TShiftState shift = KeyboardStateToShiftState();
        if (!shift.Contains(TShiftStateItem::ssAlt)) {
            const unsigned key = unsigned(Message.WParam);
            if (key == VK_TAB && !shift.Contains(TShiftStateItem::ssCtrl)) {
                SelectNext(FActiveControl, !shift.Contains(TShiftStateItem::ssShift), true);
                Message.Result = 1;
                return;
            }
            if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
                if (FActiveControl && FActiveControl->Parent()) {
                    FActiveControl->Parent()->SelectNext(FActiveControl,
                                                         key == VK_RIGHT || key == VK_DOWN, false);
                    Message.Result = 1;
                }
                return;
            }
        }
        break;
    }
    case WM_NCLBUTTONDOWN:
        // A press on what the window calls its caption or border moves or sizes it.
        NonClientDragDefault(this, int(Message.WParam), PointFromLParam(Message.LParam));
        return;
    case WM_ACTIVATE:
        if (Message.WParam) {
            if (OnActivate) OnActivate(this);
        } else if (OnDeactivate)
            OnDeactivate(this);
        return;
    default:
        break;
    }
    TWinControl::WndProc(Message);
}

// ---------------------------------------------------------------------------------------------

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() = default;

void TApplication::Initialize() {
    qAddPostRoutine(CleanUpAtExit);
}

void TApplication::Initialize(int& argc, char** argv) {
    if (!QCoreApplication::instance()) FOwnApplication = std::make_unique<QApplication>(argc, argv);
    Initialize();
}

int TApplication::Run() {
    FTerminated = false;
    int code = 0;
    if (FMainForm && FShowMainForm) FMainForm->Show();
    if (!FTerminated) code = QApplication::exec();
    FOwnApplication.reset(); // its clean-up frees the forms while Qt is still there
    return code;
}

void TApplication::Terminate() {
    FTerminated = true;
    QCoreApplication::quit();
}

void TApplication::ProcessMessages() {
    QCoreApplication::processEvents();
}

bool TApplication::Active() const {
    return QApplication::activeWindow() != nullptr;
}

QString TApplication::ExeName() const {
    return Env().ProgramPath();
}

void TApplication::HandleException(TObject* Sender) {
    QString message;
    try {
        throw;
    } catch (const Exception& e) {
        message = e.Message();
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    if (OnException)
        OnException(Sender, message);
    else
        ShowException(message);
}

void TApplication::ShowException(const QString& Message) {
    QString text = Message.trimmed();
    if (!text.isEmpty() && !text.endsWith('.') && !text.endsWith(QChar(0x3002))) text += '.';
    MessageBox(text, FTitle, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const QString& Text, const QString& Caption, unsigned Flags) {
    QWidget* owner = nullptr;
    if (TCustomForm* f = Screen->ActiveForm())
        owner = WidgetOf(*f);
    else if (FMainForm && FMainForm->HandleAllocated())
        owner = WidgetOf(*FMainForm);
    return Env().MessageBox({owner, Text, Caption, Flags});
}

void TApplication::DestroyForms() {
    while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
    FMainForm = nullptr;
}

// ---------------------------------------------------------------------------------------------

TCustomForm* TScreen::ActiveForm() const {
    for (TCustomForm* f : AllForms())
        if (f->Active()) return f;
    return nullptr;
}

std::vector<TCustomForm*> TScreen::Forms() const {
    return AllForms();
}

void TScreen::SetCursor(TCursor Value) {
    if (FCursor == Value) return;
    if (FCursor != crDefault) QApplication::restoreOverrideCursor();
    FCursor = Value;
    if (Value != crDefault) QApplication::setOverrideCursor(CursorShape(Value));
}

TControl* FindControlAtScreen(TPoint ScreenPos) {
    const std::vector<TCustomForm*>& forms = AllForms();
    // The active form lies on top; the others in reverse order of creation.
    std::vector<TCustomForm*> order;
    if (TCustomForm* a = Screen->ActiveForm()) order.push_back(a);
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        if (std::find(order.begin(), order.end(), *it) == order.end()) order.push_back(*it);
    for (TCustomForm* f : order) {
        if (!f->Showing()) continue;
        TWinControl* w = f;
        TPoint p = f->ScreenToClient(ScreenPos);
        if (!PtInRect(f->ClientRect(), p)) continue;
        // Descend through windowed children, topmost first.
        while (true) {
            TControl* c = w->ControlAtPos(p, true, true);
            if (!c) return w;
            if (!c->IsWindowed()) return c;
            p = {p.X - c->Left(), p.Y - c->Top()};
            w = static_cast<TWinControl*>(c);
        }
    }
    return nullptr;
}
