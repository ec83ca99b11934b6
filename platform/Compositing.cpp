// Whether the window system can show a whole window translucent: on X11 only while a
// compositing manager runs (it owns the selection _NET_WM_CM_S<screen>); Wayland always blends.

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

bool WindowSystemBlendsWindows() {
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland"))) return true;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return false;
    xcb_connection_t* c = x11->connection();
    int screen = 0;
    if (const char* d = std::getenv("DISPLAY"))
        if (const char* dot = std::strrchr(d, '.')) screen = std::atoi(dot + 1);
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 1, uint16_t(name.size()), name.data()), nullptr);
    if (!atom) return false;
    const xcb_atom_t a = atom->atom;
    std::free(atom);
    if (a == XCB_ATOM_NONE) return false;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, a), nullptr);
    if (!owner) return false;
    const bool composited = owner->owner != XCB_NONE;
    std::free(owner);
    return composited;
}
