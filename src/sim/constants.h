#pragma once

// The fixed numbers of the simulation, named once. Their values are part of every trace and
// picture: the angles are the program's own short decimals, not the exact multiples of pi.

#include <cstdint>

namespace sim {

// The cutter view: integer pixels, origin top left, x to the right, y downward.
inline constexpr int32_t kViewWidth = 385;  // px
inline constexpr int32_t kViewHeight = 313; // px
inline constexpr int32_t kCentreX = 150;    // px, the cutter centre, never moves
inline constexpr int32_t kCentreY = 83;     // px
// px: the cutter is drawn with this radius whatever its diameter; PixelsPerMm follows the
// diameter instead (400 / D).
inline constexpr int32_t kDrawnRadius = 200;
inline constexpr double kDrawnDiameter = 2.0 * kDrawnRadius; // px, 400
// tenths of mm x px/mm at the cutter radius: the deepest cut in the depth field's tenths is
// this / PixelsPerMm, that is 5 x diameter.
inline constexpr double kDrawnRadiusTenths = 10.0 * kDrawnRadius;  // 2000
inline constexpr int32_t kCutterBottomY = kCentreY + kDrawnRadius; // px, 283, lowest tip

// Angles in radians as the program writes them.
inline constexpr double kFullTurn = 6.283185;
inline constexpr double kHalfTurn = 3.141592; // degrees x kHalfTurn / 180 gives radians
inline constexpr double kRightAngle = 1.570796;

// The workpiece starts with its left edge here, just clear of the cutter; the run ends when it
// has travelled so far that this edge reaches the picture's left border.
inline constexpr int32_t kWorkpieceStartX = 350;       // px
inline constexpr double kFeedLimit = kWorkpieceStartX; // px of travel at which the run ends

// Sub-steps of AngleStep that one timer tick runs; every sample of the traces spans this many.
inline constexpr int kSubStepsPerTick = 12;

} // namespace sim
