// The safe-period calculator: one window, started from here, or one piece of command-line work.

#include "app/Texts.h"
#include "app/Uform_velna.h"
#include "app/Uform_velnaParts.h"
#include "app/cli/CommandLine.h"
#include "app/store/VelnaFile.h"
#include "app/store/VelnaStore.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (IsCommandLine(argc, argv)) return CommandLineMain(argc, argv);
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const bool headless =
        platform && std::string(platform) != "xcb" && std::string(platform) != "wayland";
    if (!headless && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "soveli: 没有找到图形显示（没有设置 DISPLAY），请在桌面环境中启动；"
                             "soveli --help 列出不需要图形界面的选项。\n"
                             "soveli: no display found (DISPLAY is not set); start it from a "
                             "desktop session.\n");
        return 1;
    }
    // A long diary is read on the second core while Qt starts and the window is built.
    VelnaStore::ReadDiaryAhead(DatabaseConnectionString(Application->ExeName()));
    Application->Initialize(argc, argv);
    Application->SetTitle(U(velna::kWindowTitle));
    Application->CreateForm(form_velna);
    return Application->Run();
}
