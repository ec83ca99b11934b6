#include "app/Resources.h"

#include <QFile>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterResources() {
    Q_INIT_RESOURCE(res);
}

void InitAppResources() {
    static const bool registered = (RegisterResources(), true);
    (void)registered;
}

QString ResourcePath(const char* name) {
    // Registering here spares every caller from having to remember it.
    InitAppResources();
    return QStringLiteral(":/app/") + QString::fromUtf8(name);
}

QStringList KnowledgeLines() {
    QFile file(ResourcePath("knowledge.txt"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(file.readAll());
    // The file ends its last line with a line feed; that does not start another line.
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text.split(QLatin1Char('\n'));
}

QString KnowledgeText() {
    return KnowledgeLines().join(QStringLiteral("\r\n"));
}
