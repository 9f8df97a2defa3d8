// Renders the program icon's SVG into the PNG sizes the window and the
// desktop use, beside the SVG or into a folder of your choice:
//
//     render-icon resources/icon/zorbix-hoplix.svg resources/icon
//
// writes resources/icon/zorbix-hoplix-16.png, -32, -48, -64, -128 and -256.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: render-icon ICON.svg OUTPUT-FOLDER\n");
        return 2;
    }
    const QString svgPath = QString::fromLocal8Bit(argv[1]);
    const QDir outDir(QString::fromLocal8Bit(argv[2]));

    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render-icon: cannot read %s\n", argv[1]);
        return 1;
    }

    const QString baseName = QFileInfo(svgPath).completeBaseName();
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();

        const QString path = outDir.filePath(QStringLiteral("%1-%2.png").arg(baseName).arg(size));
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "render-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
