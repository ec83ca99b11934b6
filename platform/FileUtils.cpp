#include "platform/FileUtils.h"

#include "platform/Graphics.h"

#include <QFile>

QByteArray ReadFileBytes(const QString& FileName) {
    QFile f(FileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("无法打开文件“%1”，请检查文件是否存在并可读取。%2")
                              .arg(FileName, f.errorString()));
    return f.readAll();
}

namespace {

qsizetype LastSeparator(const QString& FileName) {
    return std::max(FileName.lastIndexOf(u'/'), FileName.lastIndexOf(u'\\'));
}

} // namespace

QString ExtractFilePath(const QString& FileName) {
    return FileName.left(LastSeparator(FileName) + 1);
}

QString ExtractFileName(const QString& FileName) {
    return FileName.mid(LastSeparator(FileName) + 1);
}
