// The safe-period calculator: one window, started from here.

#include "app/Texts.h"
#include "app/Uform_velna.h"
#include "app/Uform_velnaParts.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const bool headless =
        platform && std::string(platform) != "xcb" && std::string(platform) != "wayland";
    if (!headless && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(
            stderr,
            "soveli: no display found (DISPLAY is not set); start it from a desktop session.\n");
        return 1;
    }
    QApplication app(argc, argv);
    Application->Initialize();
    Application->SetTitle(U(velna::kWindowTitle));
    Application->CreateForm(form_velna);
    return Application->Run();
}
