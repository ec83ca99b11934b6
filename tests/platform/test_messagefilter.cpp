// The application's message filter: each key or press judged once, however far it travels up
// the widgets, swallowed when the filter says so, and the previous filter handed back.

#include "platform/Forms.h"
#include "platform/MessageFilter.h"
#include "platform/WidgetOf.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

struct TFilterLog {
    std::vector<TMessage> Seen;
    bool Swallow = false;
};

} // namespace

TEST(MessageFilter, SeesEachInputOnceAndSwallowsOnRequest) {
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(10, 10, 200, 100);
    auto* child = new TWinControl(&form);
    child->SetParent(&form);
    child->SetBounds(20, 20, 50, 30);
    int childKeys = 0;
    child->OnKeyDown = [&](TObject*, unsigned&, TShiftState) { ++childKeys; };
    form.Show();
    QWidget* target = WidgetOf(child);
    ASSERT_NE(target, nullptr);

    TFilterLog log;
    EXPECT_FALSE(ApplicationMessageFilterSet());
    TMessageFilter previous = SetApplicationMessageFilter([&](TMessage& M) {
        log.Seen.push_back(M);
        return log.Swallow;
    });
    EXPECT_FALSE(previous);

    // A key the child leaves unhandled travels on to the form: seen once.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::ShiftModifier);
    QApplication::sendEvent(target, &down);
    ASSERT_EQ(log.Seen.size(), 1u);
    EXPECT_EQ(log.Seen[0].Msg, unsigned(WM_KEYDOWN));
    EXPECT_EQ(log.Seen[0].WParam, WPARAM(VK_DOWN));
    EXPECT_EQ(log.Seen[0].LParam, 1);
    EXPECT_EQ(childKeys, 1);
    // The same key again is a new key.
    QApplication::sendEvent(target, &down);
    EXPECT_EQ(log.Seen.size(), 2u);

    QKeyEvent alt(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier);
    log.Swallow = true;
    QApplication::sendEvent(target, &alt);
    EXPECT_EQ(log.Seen.back().Msg, unsigned(WM_SYSKEYDOWN));
    EXPECT_EQ(childKeys, 2); // swallowed

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 6),
                      QPointF(target->mapToGlobal(QPoint(5, 6))), Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    EXPECT_EQ(log.Seen.back().Msg, unsigned(WM_RBUTTONDOWN));
    const TPoint at = PointFromLParam(log.Seen.back().LParam);
    EXPECT_EQ(at, child->ClientToScreen({5, 6}));

    SetApplicationMessageFilter(std::move(previous));
    EXPECT_FALSE(ApplicationMessageFilterSet());
    const size_t seen = log.Seen.size();
    QApplication::sendEvent(target, &down);
    EXPECT_EQ(log.Seen.size(), seen);
}
