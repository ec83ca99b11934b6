#include "platform/TrayIcon.h"
#include "platform/WidgetOf.h"

#include <QApplication>
#include <QBuffer>
#include <QEvent>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <map>

namespace {

std::function<std::unique_ptr<TNotifyIcon>()>& Factory() {
    static std::function<std::unique_ptr<TNotifyIcon>()> f;
    return f;
}

// Qt reports a press on the icon as one activation; it becomes the press and release the
// desktop reported, in the same order (a double click: its second press, then its release).
class TQtNotifyIcon : public TNotifyIcon {
public:
    TQtNotifyIcon() {
        QObject::connect(&FIcon, &QSystemTrayIcon::activated,
                         [this](QSystemTrayIcon::ActivationReason Reason) { Activated(Reason); });
        // Qt embeds its icon again by itself when the area comes back; the owner still hears
        // of it, so that what it shows is brought up to date.
        FWatch.setInterval(2000);
        QObject::connect(&FWatch, &QTimer::timeout, [this] { Watch(); });
        FWatch.start();
        FAreaSeen = QSystemTrayIcon::isSystemTrayAvailable();
    }
    bool Add(const TIcon& Icon, const QString& Tip) override {
        FWanted = true;
        Apply(Icon, Tip);
        // Qt shows no icon without a picture.
        if (!QSystemTrayIcon::isSystemTrayAvailable() || FIcon.icon().isNull()) return false;
        FIcon.show();
        return true;
    }
    bool Modify(const TIcon& Icon, const QString& Tip) override {
        Apply(Icon, Tip);
        if (FWanted && !FIcon.isVisible() && !FIcon.icon().isNull()) FIcon.show();
        return Shown();
    }
    void Delete() override {
        FWanted = false;
        FIcon.hide();
    }
    bool Shown() const override {
        return FWanted && FIcon.isVisible() && !FIcon.icon().isNull() &&
               QSystemTrayIcon::isSystemTrayAvailable();
    }

private:
    void Apply(const TIcon& Icon, const QString& Tip) {
        FIcon.setIcon(Icon.Empty() ? QIcon() : Icon.ToQIcon());
        FIcon.setToolTip(Tip);
    }
    void Report(TTrayMouse A, TTrayMouse B) {
        if (OnMouse) OnMouse(A);
        if (OnMouse) OnMouse(B);
    }
    void Activated(QSystemTrayIcon::ActivationReason Reason) {
        switch (Reason) {
        case QSystemTrayIcon::Trigger:
            Report(TTrayMouse::LeftDown, TTrayMouse::LeftUp);
            break;
        case QSystemTrayIcon::DoubleClick:
            Report(TTrayMouse::LeftDouble, TTrayMouse::LeftUp);
            break;
        case QSystemTrayIcon::Context:
            Report(TTrayMouse::RightDown, TTrayMouse::RightUp);
            break;
        case QSystemTrayIcon::MiddleClick:
            Report(TTrayMouse::MiddleDown, TTrayMouse::MiddleUp);
            break;
        default:
            break;
        }
    }
    void Watch() {
        const bool now = QSystemTrayIcon::isSystemTrayAvailable();
        if (now && !FAreaSeen && OnAreaCreated) OnAreaCreated();
        FAreaSeen = now;
    }
    QSystemTrayIcon FIcon;
    QTimer FWatch;
    bool FWanted = false;
    bool FAreaSeen = false;
};

// Sees a form's window become minimized.
class TMinimizeWatch : public QObject {
public:
    explicit TMinimizeWatch(std::function<void()> F) : FCall(std::move(F)) {}
    bool eventFilter(QObject* Object, QEvent* Event) override {
        if (Event->type() == QEvent::WindowStateChange) {
            auto* w = static_cast<QWidget*>(Object);
            // After the change is done: the handler may hide the window.
            if (w->isMinimized())
                QTimer::singleShot(0, this, [this] {
                    if (FCall) FCall();
                });
        }
        return false;
    }

private:
    std::function<void()> FCall;
};

std::map<int, QPointer<TMinimizeWatch>>& Watches() {
    static std::map<int, QPointer<TMinimizeWatch>> w;
    return w;
}

} // namespace

std::unique_ptr<TNotifyIcon> CreateNotifyIcon() {
    if (Factory()) return Factory()();
    return std::make_unique<TQtNotifyIcon>();
}

void SetNotifyIconFactory(std::function<std::unique_ptr<TNotifyIcon>()> F) {
    Factory() = std::move(F);
}

bool NotificationAreaAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void GetApplicationIcon(TIcon& Icon) {
    const QIcon icon = QApplication::windowIcon();
    QImage image;
    if (!icon.isNull()) image = icon.pixmap(32, 32).toImage();
    if (image.isNull()) return;
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    Icon.LoadFromData(data);
}

bool GetImageListIcon(const TCustomImageList& List, int Index, TIcon& Icon) {
    if (Index < 0 || Index >= List.Count()) return false;
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    List.Image(Index).save(&buffer, "PNG");
    Icon.LoadFromData(data);
    return true;
}

void HideWindowToTray(TCustomForm* Form) {
    if (Form) Form->Hide();
}

void RestoreWindowFromTray(TCustomForm* Form) {
    if (!Form) return;
    QWidget* w = WidgetOf(Form);
    if (w->isMinimized()) w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    Form->Show();
    w->showNormal();
    w->raise();
    w->activateWindow();
}

bool WindowMinimized(const TCustomForm* Form) {
    return Form && Form->HandleAllocated() && WidgetOf(Form)->isMinimized();
}

void ShowWindowMinimized(TCustomForm* Form) {
    if (Form) WidgetOf(Form)->showMinimized();
}

int WatchMinimize(TCustomForm* Form, std::function<void()> OnMinimized) {
    static int last = 0;
    if (!Form) return 0;
    auto* watch = new TMinimizeWatch(std::move(OnMinimized));
    watch->setParent(WidgetOf(Form));
    WidgetOf(Form)->installEventFilter(watch);
    Watches()[++last] = watch;
    return last;
}

void UnwatchMinimize(int Id) {
    auto it = Watches().find(Id);
    if (it == Watches().end()) return;
    delete it->second.data();
    Watches().erase(it);
}
