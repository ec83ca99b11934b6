// Writes every picture of the program into the folder given as argument, or with `--check`
// reports the pictures in that folder that differ from what this program draws now. `--grid`
// draws the grid's pictures, `--skin` the stored skin (its INI text and pictures stream).
#include "PictureKit.h"
#include "SkinKit.h"

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
    // The grid's pictures live with the grid; the desktop icons are drawn when building.
    const bool grid = args.removeAll(QStringLiteral("--grid")) > 0;
    const bool skin = args.removeAll(QStringLiteral("--skin")) > 0;
    const bool icons = args.removeAll(QStringLiteral("--icons")) > 0;
    const bool check = args.size() == 2 && args[0] == QLatin1String("--check");
    if (!(args.size() == 1 || check)) {
        std::fprintf(stderr,
                     "usage: make_pictures [--grid | --skin | --icons] [--check] <folder>\n");
        return 2;
    }
    const QDir folder(args.last());
    if (!folder.exists()) {
        std::fprintf(stderr, "no such folder: %s\n", qPrintable(args.last()));
        return 2;
    }

    std::vector<pictures::SkinFile> files;
    if (skin) {
        files = pictures::SkinFiles();
    } else {
        std::vector<pictures::Picture> all = grid    ? pictures::GridPictures()
                                             : icons ? pictures::DesktopIcons()
                                                     : pictures::FramePictures();
        if (!grid && !icons)
            for (auto&& group :
                 {pictures::PanelPictures(), pictures::GlyphPictures(), pictures::DiaryPictures()})
                all.insert(all.end(), group.begin(), group.end());
        for (const pictures::Picture& picture : all)
            files.push_back({picture.Name, Encode(picture)});
    }

    int differing = 0;
    for (const pictures::SkinFile& file : files) {
        const QString path = folder.filePath(file.Name);
        if (check) {
            if (ReadFile(path) != file.Bytes) {
                std::fprintf(stderr, "out of date: %s\n", qPrintable(path));
                ++differing;
            }
            continue;
        }
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(file.Bytes) != file.Bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return differing == 0 ? 0 : 1;
}
