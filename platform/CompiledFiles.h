#pragma once
// Files compiled into the program (pictures, texts); ReadFileBytes reads them by their ":/" path.

#include <QtGlobal>

// Registers the compiled-in files of the resource collection Name. A static library's files are
// not registered by themselves; use this outside any namespace.
#define REGISTER_COMPILED_FILES(Name) Q_INIT_RESOURCE(Name)
