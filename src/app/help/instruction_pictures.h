// The two pictures of the instructions window, drawn by code at start-up (a GUI application
// object must exist, for the fonts).
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <array>

namespace app {

// px, natural size of the instruction text picture; the window shows its top-left
// 441 x 409 pixels, so everything that matters is drawn there.
inline constexpr QSize kInstructionTextSize{447, 428};
inline constexpr QSize kInstructionTextVisible{441, 409};

// px, natural size of the illustration; the window shows its left 305 columns.
inline constexpr QSize kIllustrationSize{330, 374};
inline constexpr QSize kIllustrationVisible{305, 374};

// Pale yellow of the text panel and of the callouts.
inline constexpr QRgb kPaleYellow = 0xFFFFFFE1;

// The seven paragraphs of the instructions, in order, in the current language. A name of a
// button or field stands between „ and “ (English: “ and ”) and is set in bold italic.
std::array<QString, 7> InstructionParagraphs();

// Instruction text: the paragraphs (in the current language) justified in a serif face on a pale
// yellow panel with a thin black frame. Size kInstructionTextSize.
QImage DrawInstructionText();

// Shaded drawing of a helical cylindrical cutter lying on a workpiece block, with callouts
// for the helix angle ("Ugao nagiba sečiva") and the width of milling, in the current language.
// Size kIllustrationSize.
QImage DrawHelixIllustration();

} // namespace app
