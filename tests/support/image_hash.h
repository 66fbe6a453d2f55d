// The hash of a picture for golden-image tests: FNV-1a (64 bit) of its size and of every
// pixel's red, green and blue, so that a recorded number stands for every pixel.
#pragma once

#include <QImage>

#include <cstdint>

namespace test_support {

inline std::uint64_t HashImage(const QImage& image) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    const auto add = [&h](std::uint32_t byte) {
        h ^= byte & 0xFFu;
        h *= 0x100000001b3ull;
    };
    for (const int v : {image.width(), image.height()}) {
        for (int shift = 0; shift < 32; shift += 8) {
            add(static_cast<std::uint32_t>(v) >> shift);
        }
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            add(row[x] >> 16);
            add(row[x] >> 8);
            add(row[x]);
        }
    }
    return h;
}

} // namespace test_support
