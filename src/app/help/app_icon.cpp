#include "app/help/app_icon.h"

#include <QColor>
#include <QPixmap>
#include <array>
#include <cmath>
#include <numbers>

namespace app {
namespace {

// The sixteen standard colours of an old-style 4-bit icon.
constexpr std::array<QRgb, 16> kStandardColours = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kGrey = qRgb(128, 128, 128);
constexpr QRgb kSilver = qRgb(192, 192, 192);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kPurple = qRgb(128, 0, 128);
constexpr QRgb kFuchsia = qRgb(255, 0, 255);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kNavy = qRgb(0, 0, 128);
constexpr QRgb kTransparent = qRgba(0, 0, 0, 0);

QImage BlankIcon() {
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
    image.fill(kTransparent);
    return image;
}

bool IsOpaque(const QImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) {
        return false;
    }
    return qAlpha(image.pixel(x, y)) != 0;
}

// Paints black every pixel that touches a pixel of the given colour on one of its four sides,
// so that the shape stands out on any background.
void OutlineColour(QImage& image, QRgb colour) {
    const QImage source = image.copy();
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const QRgb here = source.pixel(x, y);
            if (here == colour || here == kBlack) {
                continue;
            }
            const std::array<std::array<int, 2>, 4> sides = {{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
            for (const auto& [dx, dy] : sides) {
                if (IsOpaque(source, x + dx, y + dy) && source.pixel(x + dx, y + dy) == colour) {
                    image.setPixel(x, y, kBlack);
                    break;
                }
            }
        }
    }
}

// Radius of the cutter's end outline at the angle phi (radians): each of the eight teeth is
// a land sloping gently down from the cutting edge, a rounded slope into the gullet, the
// gullet floor, then the radial rake face back up to the next edge.
double CutterOutlineRadius(double phi) {
    constexpr int kTeeth = 8;
    constexpr double kTip = 15.6;
    constexpr double kLandEnd = 14.6;
    constexpr double kRoot = 12.0;
    const double pitch = 2.0 * std::numbers::pi / kTeeth;
    double u = std::fmod(phi, pitch) / pitch;
    if (u < 0.0) {
        u += 1.0;
    }
    if (u < 0.45) {
        return kTip - (kTip - kLandEnd) * u / 0.45;
    }
    if (u < 0.8) {
        const double s = (u - 0.45) / 0.35;
        return kLandEnd - (kLandEnd - kRoot) * s * s * (3.0 - 2.0 * s);
    }
    return kRoot;
}

void FillRect(QImage& image, int left, int top, int right, int bottom, QRgb colour) {
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            image.setPixel(x, y, colour);
        }
    }
}

// Fills the rectangle and draws its edge one pixel wide in black.
void FramedRect(QImage& image, int left, int top, int right, int bottom, QRgb colour) {
    FillRect(image, left, top, right, bottom, kBlack);
    FillRect(image, left + 1, top + 1, right - 1, bottom - 1, colour);
}

} // namespace

QImage MillingCutterIconImage() {
    constexpr double kCentre = 16.0;
    constexpr double kBore = 4.2;
    constexpr double kHub = 8.0;
    QImage image = BlankIcon();
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const double dx = x + 0.5 - kCentre;
            const double dy = y + 0.5 - kCentre;
            const double r = std::hypot(dx, dy);
            // The teeth cut turning clockwise on the screen, so the outline is measured from
            // the top, turning the other way.
            const double phi = std::atan2(-dx, -dy);
            const bool keyway = std::abs(dx) < 2.0 && dy < 0.0 && -dy < kBore + 2.0;
            if (r > CutterOutlineRadius(phi) || r < kBore || keyway) {
                continue;
            }
            // Light from the upper left: the hub ring is raised, the bore edge sunk.
            const double towardLight = (-dx - dy) / std::max(r, 1e-9);
            QRgb colour = kSilver;
            if (r < kHub) {
                colour = towardLight > 0.3 ? kWhite : (towardLight < -0.3 ? kGrey : kSilver);
            } else if (r > 12.0) {
                colour = towardLight > 0.0 ? kWhite : kSilver;
            } else if (r > kHub + 1.0 && towardLight < -0.5) {
                colour = kGrey;
            }
            image.setPixel(x, y, colour);
        }
    }
    // Outline the outer edge and the bore, and a dark ring between hub and body.
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            if (!IsOpaque(image, x, y)) {
                continue;
            }
            const bool edge = !IsOpaque(image, x - 1, y) || !IsOpaque(image, x + 1, y) ||
                              !IsOpaque(image, x, y - 1) || !IsOpaque(image, x, y + 1);
            const double r = std::hypot(x + 0.5 - kCentre, y + 0.5 - kCentre);
            if (edge) {
                image.setPixel(x, y, kBlack);
            } else if (std::abs(r - kHub) < 0.5) {
                image.setPixel(x, y, kNavy);
            }
        }
    }
    return image;
}

QIcon MillingCutterIcon() {
    return QIcon(QPixmap::fromImage(MillingCutterIconImage()));
}

QImage InstructionsIconImage() {
    QImage image = BlankIcon();
    // Back cover, the page block between the covers, then the front cover.
    FramedRect(image, 7, 5, 28, 30, kPurple);
    FramedRect(image, 5, 3, 27, 28, kWhite);
    for (int y = 6; y <= 26; y += 2) {
        FillRect(image, 25, y, 26, y, kSilver);
    }
    for (int x = 7; x <= 24; x += 2) {
        FillRect(image, x, 27, x, 27, kSilver);
    }
    FramedRect(image, 3, 1, 24, 26, kPurple);
    FillRect(image, 4, 2, 5, 25, kFuchsia);
    FillRect(image, 6, 2, 6, 25, kBlack);

    // Question mark, 10 x 14 pixels, centred on the cover right of the spine.
    constexpr std::array<const char*, 14> kQuestionMark = {
        "..XXXXXX..", ".XXXXXXXX.", "XXX....XXX", "XXX....XXX", ".......XXX",
        "......XXX.", ".....XXX..", "....XXX...", "....XXX...", "....XXX...",
        "..........", "....XXX...", "....XXX...", "....XXX..."};
    constexpr int kLeft = 10;
    constexpr int kTop = 6;
    for (int row = 0; row < static_cast<int>(kQuestionMark.size()); ++row) {
        for (int col = 0; kQuestionMark[row][col] != '\0'; ++col) {
            if (kQuestionMark[row][col] == 'X') {
                image.setPixel(kLeft + col, kTop + row, kYellow);
            }
        }
    }
    OutlineColour(image, kYellow);
    return image;
}

QIcon InstructionsIcon() {
    return QIcon(QPixmap::fromImage(InstructionsIconImage()));
}

bool UsesStandardColoursOnly(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            if (qAlpha(pixel) == 0) {
                continue;
            }
            if (qAlpha(pixel) != 255) {
                return false;
            }
            bool found = false;
            for (QRgb standard : kStandardColours) {
                found = found || standard == pixel;
            }
            if (!found) {
                return false;
            }
        }
    }
    return true;
}

} // namespace app
