#include "app/store/VelnaMessages.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

QString U8(const char* Text) {
    return QString::fromUtf8(Text);
}

// The engine's texts are stable; the advice depends on which kind of failure it reports.
QString Advice(const QString& Path, const QString& Engine) {
    const QString& file = Path;
    if (Engine.contains("readonly") || Engine.contains("unable to open"))
        return U8("数据库文件 %1 不能写入，修改没有保存。请检查该文件及其所在文件夹的写入权限。")
            .arg(file);
    if (Engine.contains("locked") || Engine.contains("busy"))
        return U8("数据库文件 %1 正被其他程序使用。请稍后再试。").arg(file);
    if (Engine.contains("not a database") || Engine.contains("malformed"))
        return U8("数据库文件 %1 已损坏或不是本程序的数据库。请把它移到别处后重新启动程序，"
                  "程序会建立新的数据库。")
            .arg(file);
    if (Engine.contains("no such table") || Engine.contains("no such column"))
        return U8("数据库文件 %1 缺少本程序需要的数据表或列。请把它移到别处后重新启动程序，"
                  "程序会建立新的数据库。")
            .arg(file);
    return U8("访问数据库文件 %1 时出错。请检查该文件后再试。").arg(file);
}

QString ColumnName(const BadValue& V) {
    if (V.Table == "setting") return U8("例假周期");
    return V.Column == 1 ? U8("日期") : V.Column == 2 ? U8("状态") : U8("日记内容");
}

QString Where(const BadValue& V) {
    if (V.Table == "setting") return U8("例假设置第 %1 行").arg(V.Row);
    return U8("例假日记第 %1 行（ID %2）").arg(V.Row).arg(V.ID);
}

} // namespace

QString DatabaseFailure(const QString& Operation, const QString& Path, const QString& Engine) {
    return U8("%1失败。").arg(Operation) + Advice(Path, Engine) + "\n" + Engine;
}

QString BadValuesReport(const QString& Path, const std::vector<BadValue>& Values) {
    QString text = U8("数据库文件 %1 中有无法识别的值，其余资料已正常读入：").arg(Path);
    for (const BadValue& v : Values)
        text += "\n" + Where(v) + U8("的“") + ColumnName(v) + U8("”：“") + v.Text + U8("”（") +
                v.Engine + U8("）");
    text += "\n" + U8("请改正这些值：日记在“例假备忘录”中选中后按“修  改”，"
                      "例假周期在“例假周期设置”中修改。");
    return text;
}

std::optional<QString> DatabaseWriteProblem(const QString& Path) {
    // Changes also need the folder: the engine writes its journal beside the file.
    const qsizetype slash = Path.lastIndexOf('/');
    const QString folder = slash < 0 ? QStringLiteral(".") : slash == 0 ? "/" : Path.left(slash);
    for (const QString& p : {Path, folder}) {
        if (::access(p.toLocal8Bit().constData(), W_OK) == 0) continue;
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        return U8("数据库文件 %1 不能写入：您可以查看资料，但新的日记和设置无法保存。"
                  "请检查该文件及其所在文件夹 %2 的写入权限。")
                   .arg(Path, folder) +
               "\n" + reason;
    }
    return std::nullopt;
}
