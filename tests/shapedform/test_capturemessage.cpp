// The window-procedure hook component.

#include "platform/Forms.h"
#include "shapedform/fcmsg.h"

#include <gtest/gtest.h>

TEST(CaptureMessage, SeesTheWindowsMessagesBeforeAndAfterItWhileEnabled) {
    TForm form(nullptr);
    TfcCaptureMessageClass hook(nullptr);
    std::vector<unsigned> before, after;
    hook.OnBeforeMessage = [&](TObject* Sender, TMessage& M, bool& CallDefault) {
        EXPECT_EQ(Sender, &hook);
        before.push_back(M.Msg);
        if (M.Msg == WM_USER + 2) {
            CallDefault = false;
            M.Result = 7;
        }
    };
    hook.OnAfterMessage = [&](TMessage& M) { after.push_back(M.Msg); };

    hook.SetWindowHandle(&form);
    form.SendWindowMessage(WM_USER + 1);
    EXPECT_TRUE(before.empty()); // not enabled yet
    hook.SetEnabled(true);
    form.SendWindowMessage(WM_USER + 1);
    EXPECT_EQ(form.SendWindowMessage(WM_USER + 2), 7);
    EXPECT_EQ(before, (std::vector<unsigned>{WM_USER + 1, WM_USER + 2}));
    EXPECT_EQ(after, std::vector<unsigned>{WM_USER + 1}); // the kept message never reached it
    hook.SetEnabled(false);
    form.SendWindowMessage(WM_USER + 1);
    EXPECT_EQ(before.size(), 2u);

    // Another window: the previous one is unhooked and the hook stays off until enabled.
    hook.SetEnabled(true);
    TForm other(nullptr);
    hook.SetWindowHandle(&other);
    EXPECT_FALSE(hook.Enabled());
    form.SendWindowMessage(WM_USER + 1);
    other.SendWindowMessage(WM_USER + 1);
    EXPECT_EQ(before.size(), 2u);
    hook.SetEnabled(true);
    other.SendWindowMessage(WM_USER + 1);
    EXPECT_EQ(before.size(), 3u);
}

TEST(CaptureMessage, ForgetsAWindowThatGoesAway) {
    TfcCaptureMessageClass hook(nullptr);
    auto* form = new TForm(nullptr);
    hook.SetWindowHandle(form);
    hook.SetEnabled(true);
    delete form;
    EXPECT_EQ(hook.WindowHandle(), nullptr);
    EXPECT_FALSE(hook.Enabled());
}

namespace {

// Tries to hook its owner form while the form is being freed.
class TLateHooker : public TComponent {
public:
    TLateHooker(TForm* Form, QString* Error) : TComponent(Form), FForm(Form), FError(Error) {}
    ~TLateHooker() override {
        TfcCaptureMessageClass hook(nullptr);
        hook.SetWindowHandle(FForm);
        try {
            hook.SetEnabled(true);
        } catch (const EOutOfResources& e) {
            *FError = e.Message();
        }
    }

private:
    TForm* FForm;
    QString* FError;
};

} // namespace

TEST(CaptureMessage, AWindowThatCannotBeHookedRaisesOutOfResources) {
    QString error;
    auto* form = new TForm(nullptr);
    new TLateHooker(form, &error);
    delete form;
    EXPECT_EQ(error, "Windows Resources Exhausted");
}
