// Services the component families ask of the platform instead of reaching into Qt.

#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/UpdateLock.h"
#include "platform/WidgetOf.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(UpdateLock, CountsNestedHoldersAndSurvivesAnExtraRelease) {
    TForm form(nullptr);
    TPanel panel(&form);
    panel.SetParent(&form);
    QWidget* w = WidgetOf(panel);
    {
        TUpdateLock outer(&panel);
        panel.LockUpdates();
        EXPECT_FALSE(w->updatesEnabled());
        panel.UnlockUpdates();
        EXPECT_TRUE(panel.UpdatesLocked());
        EXPECT_FALSE(w->updatesEnabled());
    }
    EXPECT_FALSE(panel.UpdatesLocked());
    EXPECT_TRUE(w->updatesEnabled());
    panel.UnlockUpdates(); // one release too many must not lock or go negative
    panel.LockUpdates();
    EXPECT_FALSE(w->updatesEnabled());
    panel.UnlockUpdates();
    EXPECT_TRUE(w->updatesEnabled());
}

} // namespace
