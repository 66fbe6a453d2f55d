#include "recording/picture_palette.h"

#include "chart/chart_types.h"
#include "cutter/cutter_view.h"
#include "oscillograph/oscillograph.h"

#include <algorithm>
#include <cstdlib>

namespace recording {
namespace {

QRgb ToRgb(canvas::Colour colour) {
    return qRgb(canvas::RedOf(colour), canvas::GreenOf(colour), canvas::BlueOf(colour));
}

void AddOnce(std::vector<QRgb>& palette, QRgb colour) {
    if (std::find(palette.begin(), palette.end(), colour) == palette.end())
        palette.push_back(colour);
}

// Every colour a gradient from `from` to `to` can take: the chart cuts its background into as
// many bands as it has rows (at most 255), so each step of the component that changes most can
// occur, the others following in proportion.
void AddGradient(std::vector<QRgb>& palette, canvas::Colour from, canvas::Colour to) {
    const int dR = canvas::RedOf(to) - canvas::RedOf(from);
    const int dG = canvas::GreenOf(to) - canvas::GreenOf(from);
    const int dB = canvas::BlueOf(to) - canvas::BlueOf(from);
    const int steps = std::max({std::abs(dR), std::abs(dG), std::abs(dB)});
    for (int i = 0; i <= steps; ++i) {
        const int divisor = std::max(steps, 1);
        AddOnce(palette, qRgb(canvas::RedOf(from) + dR * i / divisor,
                              canvas::GreenOf(from) + dG * i / divisor,
                              canvas::BlueOf(from) + dB * i / divisor));
    }
}

} // namespace

std::vector<QRgb> RunPicturesPalette() {
    std::vector<QRgb> palette;
    for (const canvas::Colour colour :
         {cutter::kFieldColour, cutter::kLineColour, cutter::kWorkpieceColour, cutter::kToothColour,
          cutter::kHubColour})
        AddOnce(palette, ToRgb(colour));
    AddGradient(palette, chart::clWhite, oscillograph::kGradientEndColour);
    constexpr canvas::Colour kFrameShadow = 0xA0A0A0; // the 3D frame's button-shadow colour
    constexpr canvas::Colour kForceAxisTitle = 0x008000;
    for (const canvas::Colour colour :
         {chart::clBlack, chart::clGray, kFrameShadow, chart::clBlue, kForceAxisTitle,
          oscillograph::kForceColour, oscillograph::kChipColour, oscillograph::kMeanForceColour})
        AddOnce(palette, ToRgb(colour));
    return palette;
}

} // namespace recording
