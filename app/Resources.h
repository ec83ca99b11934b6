#pragma once

#include "platform/Strings.h"

// The program's pictures and texts, compiled in from app/res/res.qrc.

// Registers the compiled-in resources; the library holding them is static, so nothing registers
// them by itself. Safe to call more than once; ResourcePath calls it too.
void InitAppResources();

// Qt resource path of a file of app/res/, e.g. ResourcePath("window.bmp") == ":/app/window.bmp".
QString ResourcePath(const char* name);

// The contraception knowledge text, one entry per line, without line ends (279 lines).
QStringList KnowledgeLines();
// The same text as one string with "\r\n" between the lines, as a memo's Text holds it.
QString KnowledgeText();
