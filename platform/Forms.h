#pragma once
// Forms, the application object and the screen.

#include "platform/Controls.h"
#include "platform/Environment.h"
#include "platform/Graphics.h"
#include "platform/SysUtils.h"

#include <functional>
#include <memory>

class QApplication;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum class TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TModalResult = int;
enum : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7
};

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value) { FBorderIcons = Value; }
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    TIcon* Icon() { return &FIcon; }
    void SetIcon(const TGraphic& Value);
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* Control);
    // Moves the focus record to Control, telling every container left (CM_EXIT) and entered
    // (CM_ENTER) on the way.
    void SetFocusedControl(TWinControl* Control);
    void ControlGone(TWinControl* Control);
    bool Active() const;

    void SetVisible(bool Value) override;
    bool Showing() const override;
    void Close();
    virtual bool CloseQuery();
    // Runs OnCreate; the window's description calls it after every component is loaded.
    void DoCreate();
    void Release();

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    QWidget* CreateWidget(QWidget* ParentWidget) override;
    void WndProc(TMessage& Message) override;
    void SetTextValue(const QString& Value) override;
    virtual void DoShow();
    virtual void DoHide();
    void ApplyWindowFlags();

private:
    TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
    TBorderIcons FBorderIcons = {TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                                 TBorderIcon::biMaximize};
    TPosition FPosition = TPosition::poDesigned;
    TIcon FIcon;
    bool FKeyPreview = false;
    TModalResult FModalResult = mrNone;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    bool FShown = false;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};

using TExceptionEvent = std::function<void(TObject* Sender, const QString& Message)>;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    void Initialize();
    // For the program's entry: makes the Qt application object from the command line (kept
    // until Run ends) and initializes. argc must outlive the application.
    void Initialize(int& argc, char** argv);
    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& Value) { FTitle = Value; }
    // Creates a form owned by the application; the first one becomes the main form.
    template <class F> void CreateForm(F*& Reference) {
        Reference = new F(this);
        if (!FMainForm) FMainForm = Reference;
    }
    TCustomForm* MainForm() const { return FMainForm; }
    void SetMainForm(TCustomForm* Form) { FMainForm = Form; }
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool Value) { FShowMainForm = Value; }
    // Shows the main form and runs the message loop until the main form closes; returns the
    // loop's exit code. An application object made by Initialize(argc, argv) goes away at the
    // end, after the forms.
    int Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    void ProcessMessages();
    bool Active() const;
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value) { FShowHint = Value; }
    // The program's absolute path.
    QString ExeName() const;

    // The control whose window has the keyboard focus now; it may be named before the focus
    // messages reached the controls.
    TWinControl* FocusedControl() const;
    // Posts a typed character to the control's window, handled later as if typed.
    void PostKeyChar(TWinControl* Target, QChar Ch);

    // Call inside a catch block: reports the exception being handled.
    void HandleException(TObject* Sender);
    void ShowException(const QString& Message);
    int MessageBox(const QString& Text, const QString& Caption, unsigned Flags);
    TExceptionEvent OnException;
    // Frees every form the application owns (before the Qt application object goes away).
    void DestroyForms();

private:
    std::unique_ptr<QApplication> FOwnApplication;
    QString FTitle;
    TCustomForm* FMainForm = nullptr;
    bool FShowMainForm = true;
    bool FTerminated = false;
    bool FShowHint = true;
};

class TScreen : public TComponent {
public:
    TScreen() : TComponent(nullptr) {}
    int Width() const { return Env().ScreenSize().cx; }
    int Height() const { return Env().ScreenSize().cy; }
    TRect WorkAreaRect() const { return Env().WorkArea(); }
    int WorkAreaLeft() const { return WorkAreaRect().Left; }
    int WorkAreaTop() const { return WorkAreaRect().Top; }
    int WorkAreaWidth() const { return WorkAreaRect().Width(); }
    int WorkAreaHeight() const { return WorkAreaRect().Height(); }
    TCustomForm* ActiveForm() const;
    TWinControl* ActiveControl() const { return FocusedWinControl(); }
    int FormCount() const { return static_cast<int>(Forms().size()); }
    std::vector<TCustomForm*> Forms() const;
    TCursor Cursor() const { return FCursor; }
    // A screen cursor other than crDefault overrides every control's own.
    void SetCursor(TCursor Value);

private:
    TCursor FCursor = crDefault;
};

extern TApplication* const Application;
extern TScreen* const Screen;
