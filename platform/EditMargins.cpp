// Room between an edit's frame and its text.

#include "platform/StdCtrls.h"

#include <QLineEdit>

void TCustomEdit::SetTextMargins(int Left, int Top, int Right, int Bottom) {
    FTextMargins = {Left, Top, Right, Bottom};
    if (HandleAllocated()) Edit()->setTextMargins(Left, Top, Right, Bottom);
}
