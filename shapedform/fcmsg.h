#pragma once
// A component that hooks the window procedure of a window so that another object sees the
// window's messages, before the window handles them (and may stop it) and afterwards.

#include "platform/Controls.h"

#include <functional>

using TfcBeforeMessageEvent =
    std::function<void(TObject* Sender, TMessage& Msg, bool& CallDefault)>;
using TfcAfterMessageProc = std::function<void(TMessage& Msg)>;

class TfcCaptureMessageClass : public TComponent {
public:
    explicit TfcCaptureMessageClass(TComponent* AOwner);
    ~TfcCaptureMessageClass() override;

    // The hooked window. Setting another one unhooks the previous window first, which also
    // clears Enabled.
    TWinControl* WindowHandle() const { return FWindowHandle; }
    void SetWindowHandle(TWinControl* Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);

    // Before the window: may clear CallDefault to keep the message from it.
    TfcBeforeMessageEvent OnBeforeMessage;
    // After the window has handled a message.
    TfcAfterMessageProc OnAfterMessage;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Raises EOutOfResources when the window cannot be hooked.
    void HookWindow();
    void UnhookWindow();

private:
    void BeforeMessage(TMessage& Msg, bool& CallDefault);
    void AfterMessage(TMessage& Msg);

    TWinControl* FWindowHandle = nullptr;
    bool FEnabled = false;
    int FHookId = 0;
};
