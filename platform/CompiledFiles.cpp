#include "platform/CompiledFiles.h"

#include <QFile>

QByteArray ReadCompiledFile(const QString& Path) {
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}
