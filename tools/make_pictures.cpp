// Writes every picture of the program into the folder given as argument, or with `--check`
// reports the pictures in that folder that differ from what this program draws now.
#include "PictureKit.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray Encode(const pictures::Picture& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, QFileInfo(picture.Name).suffix().toLatin1());
    if (picture.Quality >= 0) writer.setQuality(picture.Quality);
    if (!writer.write(picture.Image)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(picture.Name),
                     qPrintable(writer.errorString()));
        std::exit(2);
    }
    return bytes;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

int main(int argc, char** argv) {
    // Text must render the same on every machine, with or without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    // The grid's pictures live with the grid.
    const bool grid = args.removeAll(QStringLiteral("--grid")) > 0;
    const bool check = args.size() == 2 && args[0] == QLatin1String("--check");
    if (!(args.size() == 1 || check)) {
        std::fprintf(stderr, "usage: make_pictures [--grid] [--check] <folder>\n");
        return 2;
    }
    const QDir folder(args.last());
    if (!folder.exists()) {
        std::fprintf(stderr, "no such folder: %s\n", qPrintable(args.last()));
        return 2;
    }

    std::vector<pictures::Picture> all =
        grid ? pictures::GridPictures() : pictures::FramePictures();
    if (!grid)
        for (auto&& group :
             {pictures::PanelPictures(), pictures::GlyphPictures(), pictures::DiaryPictures()})
            all.insert(all.end(), group.begin(), group.end());

    int differing = 0;
    for (const pictures::Picture& picture : all) {
        const QByteArray bytes = Encode(picture);
        const QString path = folder.filePath(picture.Name);
        if (check) {
            if (ReadFile(path) != bytes) {
                std::fprintf(stderr, "out of date: %s\n", qPrintable(path));
                ++differing;
            }
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return differing == 0 ? 0 : 1;
}
