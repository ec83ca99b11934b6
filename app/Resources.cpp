#include "app/Resources.h"

#include "platform/CompiledFiles.h"
#include "platform/FileUtils.h"
#include "platform/Graphics.h"

static void RegisterResources() {
    REGISTER_COMPILED_FILES(res);
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
    QString text;
    try {
        text = QString::fromUtf8(ReadFileBytes(ResourcePath("knowledge.txt")));
    } catch (const EFOpenError&) {
        return {};
    }
    // The file ends its last line with a line feed; that does not start another line.
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text.split(QLatin1Char('\n'));
}

QString KnowledgeText() {
    return KnowledgeLines().join(QStringLiteral("\r\n"));
}
