// The tray icon end to end: a real notification-area host (trayer) on a virtual X display,
// the demo program's icon shown in it, clicked, and shown again after the host restarts.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Reads the demo's report lines until one equals Want or the time is over.
bool WaitForLine(QProcess& P, const QString& Want, int Ms, QStringList& Seen) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < Ms) {
        P.waitForReadyRead(100);
        while (P.canReadLine()) {
            const QString line = QString::fromUtf8(P.readLine()).trimmed();
            Seen << line;
            if (line == Want) return true;
        }
        if (P.state() == QProcess::NotRunning) return false;
    }
    return false;
}

struct TStopped {
    QProcess& P;
    ~TStopped() {
        if (P.state() == QProcess::NotRunning) return;
        P.terminate();
        if (!P.waitForFinished(2000)) P.kill();
        P.waitForFinished(1000);
    }
};

QProcessEnvironment OnDisplay(const QString& D) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", D);
    env.insert("QT_QPA_PLATFORM", "xcb");
    return env;
}

QString RunOn(const QString& D, const QString& Program, const QStringList& Args) {
    QProcess p;
    p.setProcessEnvironment(OnDisplay(D));
    p.start(Program, Args);
    p.waitForFinished(3000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void StartArea(QProcess& Area, const QString& D) {
    Area.setProcessEnvironment(OnDisplay(D));
    Area.start(QStandardPaths::findExecutable("trayer"),
               {"--edge", "bottom", "--align", "right", "--widthtype", "pixel", "--width", "120",
                "--heighttype", "pixel", "--height", "28"});
    Area.waitForStarted(3000);
}

// The screen centre of the demo's icon window (a small window of the demo's class), or none.
std::optional<QPoint> IconCentre(const QString& D, const QString& Xdotool) {
    const QStringList ids =
        RunOn(D, Xdotool, {"search", "--class", "demo_skinmenu"}).split('\n', Qt::SkipEmptyParts);
    static const QRegularExpression pos("Position: (-?\\d+),(-?\\d+)");
    static const QRegularExpression size("Geometry: (\\d+)x(\\d+)");
    for (const QString& id : ids) {
        const QString g = RunOn(D, Xdotool, {"getwindowgeometry", id});
        const auto p = pos.match(g), s = size.match(g);
        if (!p.hasMatch() || !s.hasMatch()) continue;
        const int w = s.captured(1).toInt(), h = s.captured(2).toInt();
        if (w > 0 && w <= 48 && h > 0 && h <= 48)
            return QPoint(p.captured(1).toInt() + w / 2, p.captured(2).toInt() + h / 2);
    }
    return std::nullopt;
}

} // namespace

TEST(TrayEndToEnd, ARealNotificationAreaShowsTheIconTakesAClickAndGetsItBackAfterARestart) {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    const QString trayer = QStandardPaths::findExecutable("trayer");
    const QString xdotool = QStandardPaths::findExecutable("xdotool");
    const QString demo = QStringLiteral(SOVELI_BINARY_DIR "/tools/demos/demo_skinmenu");
    if (xvfb.isEmpty() || trayer.isEmpty() || xdotool.isEmpty() || !QFileInfo::exists(demo))
        GTEST_SKIP() << "needs Xvfb, trayer, xdotool and demo_skinmenu";
    const int n = 150 + int(QCoreApplication::applicationPid() % 80);
    const QString d = QStringLiteral(":%1").arg(n);
    QProcess x;
    x.start(xvfb, {d, "-screen", "0", "800x600x24", "-nolisten", "tcp"});
    x.waitForStarted(3000);
    TStopped stopX{x};
    QElapsedTimer t;
    t.start();
    while (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) && t.elapsed() < 5000)
        QThread::msleep(50);
    if (x.state() != QProcess::Running) GTEST_SKIP() << "no X server on " << n;

    QProcess area;
    StartArea(area, d);
    TStopped stopArea{area};
    QThread::msleep(500);
    QProcess app;
    app.setProcessEnvironment(OnDisplay(d));
    app.start(demo, {"--tray-report"});
    TStopped stopApp{app};
    QStringList seen;
    ASSERT_TRUE(WaitForLine(app, "shown 1", 10000, seen)) << seen.join('|').toStdString();

    // A click on the icon is reported once the double-click time is over.
    const std::optional<QPoint> icon = IconCentre(d, xdotool);
    ASSERT_TRUE(icon.has_value());
    RunOn(d, xdotool,
          {"mousemove", QString::number(icon->x()), QString::number(icon->y()), "click", "1"});
    EXPECT_TRUE(WaitForLine(app, "click", 3000, seen)) << seen.join('|').toStdString();

    // The area goes away and comes back: the icon is added again.
    area.kill();
    area.waitForFinished(2000);
    ASSERT_TRUE(WaitForLine(app, "shown 0", 10000, seen)) << seen.join('|').toStdString();
    QProcess again;
    StartArea(again, d);
    TStopped stopAgain{again};
    EXPECT_TRUE(WaitForLine(app, "shown 1", 10000, seen)) << seen.join('|').toStdString();
    EXPECT_TRUE(seen.contains("readded")) << seen.join('|').toStdString();
}
