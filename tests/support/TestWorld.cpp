#include "tests/support/TestWorld.h"
#include "platform/WidgetOf.h"

#include <QApplication>

TTestWorld::TTestWorld() {
    auto env = std::make_unique<TScriptedEnvironment>();
    Env = env.get();
    SetEnvironment(std::move(env));
}

TTestWorld::~TTestWorld() {
    Form.reset();
    SetEnvironment(nullptr);
}

TForm& TTestWorld::NewForm(int Left, int Top, int Width, int Height) {
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBorderStyle(TFormBorderStyle::bsNone);
    Form->SetBounds(Left, Top, Width, Height);
    return *Form;
}

void TTestWorld::ShowActive() {
    Form->Show();
    QApplication::setActiveWindow(WidgetOf(*Form));
}
