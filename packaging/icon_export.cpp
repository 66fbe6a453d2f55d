// Writes the program's icon as PNG files for the desktop's icon theme: icon_export DIR writes
// DIR/SIZE/glodanje.png for each size. The icon is drawn as 32 x 32 pixel art; larger sizes
// repeat its pixels, the 16-pixel one is scaled down smoothly.

#include "app/help/app_icon.h"

#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: icon_export DIR\n", stderr);
        return 2;
    }
    const QImage icon = app::MillingCutterIconImage();
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/%1").arg(size);
        const Qt::TransformationMode mode =
            size < app::kIconSize ? Qt::SmoothTransformation : Qt::FastTransformation;
        if (!QDir().mkpath(folder) || !icon.scaled(size, size, Qt::IgnoreAspectRatio, mode)
                                           .save(folder + QStringLiteral("/glodanje.png"), "PNG")) {
            std::fprintf(stderr, "icon_export: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
