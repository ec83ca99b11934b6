#pragma once
// Files compiled into the program (pictures, texts) through Qt's resource system.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Registers the compiled-in files of the resource collection Name. A static library's files are
// not registered by themselves; use this outside any namespace.
#define REGISTER_COMPILED_FILES(Name) Q_INIT_RESOURCE(Name)

// The bytes of a compiled-in file (a path starting ":/"), or an empty array when there is none.
QByteArray ReadCompiledFile(const QString& Path);
