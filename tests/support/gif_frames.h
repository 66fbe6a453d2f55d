// An animated GIF read back with Qt's own GIF reader, frame by frame as a viewer shows them,
// for the tests of the recordings.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <algorithm>
#include <vector>

namespace test_support {

// Opaque black and white as GIF frames read back hold them.
inline constexpr QRgb kBlack = 0xFF000000u;
inline constexpr QRgb kWhite = 0xFFFFFFFFu;

struct GifFrame {
    QImage image; // the whole picture as shown, 32-bit RGB
    int delayMs = 0;
};

struct GifFile {
    bool readable = false;
    int loopCount = 0; // Qt's count: -1 loops for ever
    std::vector<GifFrame> frames;
};

inline GifFile ReadGif(QImageReader& reader) {
    GifFile gif;
    gif.readable = reader.canRead() && reader.format() == "gif";
    gif.loopCount = reader.loopCount();
    while (gif.readable && reader.canRead()) {
        QImage image = reader.read();
        if (image.isNull())
            break;
        gif.frames.push_back(
            {image.convertToFormat(QImage::Format_RGB32), reader.nextImageDelay()});
    }
    return gif;
}

inline GifFile ReadGifFile(const QString& path) {
    QImageReader reader(path, "gif");
    return ReadGif(reader);
}

inline GifFile ReadGifBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    return ReadGif(reader);
}

// Both pictures of the window stacked as a recording's frame holds them: view above chart.
inline QImage StackedPictures(const QImage& view, const QImage& chart) {
    QImage frame(std::max(view.width(), chart.width()), view.height() + chart.height(),
                 QImage::Format_RGB32);
    frame.fill(0xFFFFFFFFu);
    const QImage top = view.convertToFormat(QImage::Format_RGB32);
    const QImage bottom = chart.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < top.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(top.constScanLine(y)), top.width(),
                    reinterpret_cast<QRgb*>(frame.scanLine(y)));
    for (int y = 0; y < bottom.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(bottom.constScanLine(y)), bottom.width(),
                    reinterpret_cast<QRgb*>(frame.scanLine(top.height() + y)));
    return frame;
}

} // namespace test_support
