// Hooks on a window's procedure: what they see, in which order, and how they leave.

#include "platform/Forms.h"
#include "platform/WidgetOf.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

// A form that records the messages its own WndProc handles.
class TRecordingForm : public TForm {
public:
    using TForm::TForm;
    std::vector<std::string>* Log = nullptr;

protected:
    void WndProc(TMessage& M) override {
        if (Log && M.Msg == WM_USER + 1) Log->push_back("form");
        TForm::WndProc(M);
    }
};

} // namespace

TEST(WindowHooks, SeeWindowMessagesAroundTheControlNewestOutermost) {
    std::vector<std::string> log;
    TRecordingForm form(nullptr);
    form.Log = &log;
    auto note = [&](const char* What) {
        return [&log, What](TMessage& M, bool&) {
            if (M.Msg == WM_USER + 1) log.push_back(What);
        };
    };
    auto after = [&](const char* What) {
        return [&log, What](TMessage& M) {
            if (M.Msg == WM_USER + 1) log.push_back(What);
        };
    };
    const int first = form.HookWindowProc(note("before 1"), after("after 1"));
    const int second = form.HookWindowProc(note("before 2"), after("after 2"));
    EXPECT_NE(first, 0);
    EXPECT_NE(first, second);

    form.SendWindowMessage(WM_USER + 1);
    EXPECT_EQ(log,
              (std::vector<std::string>{"before 2", "before 1", "form", "after 1", "after 2"}));
    // Perform goes to the control directly, as it always did.
    log.clear();
    form.Perform(WM_USER + 1);
    EXPECT_EQ(log, std::vector<std::string>{"form"});

    log.clear();
    form.UnhookWindowProc(second);
    form.SendWindowMessage(WM_USER + 1);
    EXPECT_EQ(log, (std::vector<std::string>{"before 1", "form", "after 1"}));
}

TEST(WindowHooks, ABeforeHookCanKeepTheMessageFromTheControl) {
    std::vector<std::string> log;
    TRecordingForm form(nullptr);
    form.Log = &log;
    bool afterSeen = false;
    form.HookWindowProc(
        [](TMessage& M, bool& CallDefault) {
            CallDefault = false;
            M.Result = 42;
        },
        [&](TMessage&) { afterSeen = true; });
    EXPECT_EQ(form.SendWindowMessage(WM_USER + 1), 42);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(afterSeen);
}

TEST(WindowHooks, SeeMouseInputFromTheWindowSystem) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 80);
    std::vector<TPoint> presses;
    form.HookWindowProc(nullptr, [&](TMessage& M) {
        if (M.Msg == WM_LBUTTONDOWN) presses.push_back(PointFromLParam(M.LParam));
    });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(12, 34), QPointF(12, 34), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(WidgetOf(form), &press);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0], Point(12, 34));
    SetCaptureControl(nullptr);
}

TEST(WindowHooks, AHookRemovedOnTheWayIsNotCalledAgain) {
    auto* form = new TForm(nullptr);
    int laterAfter = 0;
    int outer = 0;
    outer = form->HookWindowProc(nullptr, [&](TMessage&) { ++laterAfter; });
    // The inner hook takes the outer one away while the message passes.
    form->HookWindowProc([&](TMessage&, bool&) { form->UnhookWindowProc(outer); }, nullptr);
    form->SendWindowMessage(WM_USER + 1);
    EXPECT_EQ(laterAfter, 0);

    delete form;
}
