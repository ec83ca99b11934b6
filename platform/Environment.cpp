#include "platform/Environment.h"

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyleHints>

namespace {

std::unique_ptr<TEnvironment>& Current() {
    static std::unique_ptr<TEnvironment> env = std::make_unique<TEnvironment>();
    return env;
}

// The classic desktop scheme, so that colours never depend on the desktop's theme.
constexpr uint32_t RGBv(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}
constexpr uint32_t kSysColors[31] = {
    RGBv(212, 208, 200), // 0 scroll bar
    RGBv(58, 110, 165),  // 1 desktop background
    RGBv(10, 36, 106),   // 2 active caption
    RGBv(128, 128, 128), // 3 inactive caption
    RGBv(212, 208, 200), // 4 menu
    RGBv(255, 255, 255), // 5 window
    RGBv(0, 0, 0),       // 6 window frame
    RGBv(0, 0, 0),       // 7 menu text
    RGBv(0, 0, 0),       // 8 window text
    RGBv(255, 255, 255), // 9 caption text
    RGBv(212, 208, 200), // 10 active border
    RGBv(212, 208, 200), // 11 inactive border
    RGBv(128, 128, 128), // 12 application workspace
    RGBv(10, 36, 106),   // 13 highlight
    RGBv(255, 255, 255), // 14 highlight text
    RGBv(212, 208, 200), // 15 button face
    RGBv(128, 128, 128), // 16 button shadow
    RGBv(128, 128, 128), // 17 grey text
    RGBv(0, 0, 0),       // 18 button text
    RGBv(212, 208, 200), // 19 inactive caption text
    RGBv(255, 255, 255), // 20 button highlight
    RGBv(64, 64, 64),    // 21 3D dark shadow
    RGBv(212, 208, 200), // 22 3D light
    RGBv(0, 0, 0),       // 23 info text
    RGBv(255, 255, 225), // 24 info background
    RGBv(181, 181, 181), // 25 (unused)
    RGBv(0, 0, 128),     // 26 hot light
    RGBv(166, 202, 240), // 27 gradient active caption
    RGBv(192, 192, 192), // 28 gradient inactive caption
    RGBv(49, 106, 197),  // 29 menu highlight
    RGBv(212, 208, 200), // 30 menu bar
};

} // namespace

uint32_t ClassicSysColor(int Index) {
    return Index >= 0 && Index < 31 ? kSysColors[Index] : 0;
}

TEnvironment& Env() {
    return *Current();
}

void SetEnvironment(std::unique_ptr<TEnvironment> Environment) {
    Current() = Environment ? std::move(Environment) : std::make_unique<TEnvironment>();
}

double TEnvironment::Now() const {
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 days = QDate(1899, 12, 30).daysTo(now.date());
    const double msecs = now.time().msecsSinceStartOfDay();
    return double(days) + msecs / 86400000.0;
}

TPoint TEnvironment::CursorPos() const {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

TRect TEnvironment::WorkArea() const {
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    }
    return {0, 0, 1024, 768};
}

TSize TEnvironment::ScreenSize() const {
    if (QScreen* s = QGuiApplication::primaryScreen())
        return {s->size().width(), s->size().height()};
    return {1024, 768};
}

int TEnvironment::DoubleClickTime() const {
    return QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

uint32_t TEnvironment::SysColor(int Index) const {
    return ClassicSysColor(Index);
}

bool TEnvironment::FullWindowDrag() const {
    return true;
}

int TEnvironment::DisplayDepth() const {
    if (QScreen* s = QGuiApplication::primaryScreen()) return s->depth();
    return 24;
}

bool WindowSystemBlendsWindows(); // Compositing.cpp

bool TEnvironment::LayeredWindows() const {
    return WindowSystemBlendsWindows();
}

unsigned TEnvironment::KeyModifiers() const {
    const Qt::KeyboardModifiers m = QGuiApplication::queryKeyboardModifiers();
    return (m & Qt::ShiftModifier ? 1u : 0u) | (m & Qt::ControlModifier ? 2u : 0u) |
           (m & Qt::AltModifier ? 4u : 0u);
}

int TEnvironment::MessageBox(const TMessageBoxRequest& Request) {
    QMessageBox box(Request.Owner);
    box.setWindowTitle(Request.Caption);
    box.setText(Request.Text);
    switch (Request.Flags & 0xF0) {
    case MB_ICONERROR:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONWARNING:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONINFORMATION:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    struct Choice {
        const char* text;
        QMessageBox::ButtonRole role;
        int id;
    };
    std::vector<Choice> choices;
    switch (Request.Flags & 0x0F) {
    case MB_OKCANCEL:
        choices = {{"确定", QMessageBox::AcceptRole, IDOK},
                   {"取消", QMessageBox::RejectRole, IDCANCEL}};
        break;
    case MB_ABORTRETRYIGNORE:
        choices = {{"中止(&A)", QMessageBox::RejectRole, IDABORT},
                   {"重试(&R)", QMessageBox::AcceptRole, IDRETRY},
                   {"忽略(&I)", QMessageBox::AcceptRole, IDIGNORE}};
        break;
    case MB_YESNOCANCEL:
        choices = {{"是(&Y)", QMessageBox::YesRole, IDYES},
                   {"否(&N)", QMessageBox::NoRole, IDNO},
                   {"取消", QMessageBox::RejectRole, IDCANCEL}};
        break;
    case MB_YESNO:
        choices = {{"是(&Y)", QMessageBox::YesRole, IDYES}, {"否(&N)", QMessageBox::NoRole, IDNO}};
        break;
    case MB_RETRYCANCEL:
        choices = {{"重试(&R)", QMessageBox::AcceptRole, IDRETRY},
                   {"取消", QMessageBox::RejectRole, IDCANCEL}};
        break;
    default:
        choices = {{"确定", QMessageBox::AcceptRole, IDOK}};
        break;
    }
    std::vector<QPushButton*> buttons;
    for (const Choice& c : choices)
        buttons.push_back(box.addButton(QString::fromUtf8(c.text), c.role));
    const size_t def = (Request.Flags & MB_DEFBUTTON2) && buttons.size() > 1 ? 1 : 0;
    box.setDefaultButton(buttons[def]);
    box.exec();
    // As on the desktop, the owner becomes the active window again when its box closes.
    if (Request.Owner) Request.Owner->window()->activateWindow();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return choices[i].id;
    // Closed by the window's close box: the platform answers with the cancelling button.
    return (Request.Flags & 0x0F) == MB_YESNO ? IDNO : choices.back().id;
}

void TEnvironment::Beep() {
    QApplication::beep();
}

QString TEnvironment::ProgramPath() const {
    // Command-line work runs without an application object.
    if (!QCoreApplication::instance())
        return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QString path = QCoreApplication::applicationFilePath();
    if (!path.isEmpty()) return QDir::cleanPath(path);
    return QFileInfo(QCoreApplication::arguments().value(0)).absoluteFilePath();
}

int TScriptedEnvironment::MessageBox(const TMessageBoxRequest& Request) {
    Boxes.push_back(Request);
    if (Answer) return Answer(Request);
    switch (Request.Flags & 0x0F) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return IDYES;
    default:
        return IDOK;
    }
}
