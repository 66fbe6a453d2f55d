#include "cutter/cutter_view.h"
#include "cutter/view_pixels.h"

#include "sim/run.h"
#include "sim/scenarios.h"
#include "sim/tool_inputs.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace cutter {
namespace {

using canvas::Colour;

Colour At(const CutterView& view, int x, int y) {
    return view.Bitmap()->PixelAt(x, y);
}

bool OnCentreLine(int x, int y) {
    return x == 150 || y == 83;
}

class StartupPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        state_ = sim::StartupState();
        view_.RedrawCutterView(state_, 0.0);
    }
    sim::SimState state_;
    CutterView view_;
};

TEST_F(StartupPictureTest, BitmapHasTheViewSize) {
    ASSERT_NE(view_.Bitmap(), nullptr);
    EXPECT_EQ(view_.Image().width(), kViewWidth);
    EXPECT_EQ(view_.Image().height(), kViewHeight);
}

TEST_F(StartupPictureTest, FrameIsBlackAndTheFieldWhite) {
    EXPECT_EQ(At(view_, 384, 0), kLineColour);
    EXPECT_EQ(At(view_, 383, 1), kFieldColour);
    EXPECT_EQ(At(view_, 0, 312), kLineColour);
    EXPECT_EQ(At(view_, 384, 200), kLineColour);
}

TEST_F(StartupPictureTest, HubIsTheDiskInscribedInItsBox) {
    // Inside the disk: hub colour, except on the dotted centre lines.
    int hub = 0;
    for (int y = 33; y < 133; ++y) {
        for (int x = 100; x < 200; ++x) {
            const double dx = x + 0.5 - 150;
            const double dy = y + 0.5 - 83;
            const double d2 = dx * dx + dy * dy;
            if (OnCentreLine(x, y)) {
                continue;
            }
            if (d2 < 48.5 * 48.5) {
                ASSERT_EQ(At(view_, x, y), kHubColour) << x << "," << y;
            } else if (d2 > 50.5 * 50.5) {
                ASSERT_NE(At(view_, x, y), kHubColour) << x << "," << y;
            }
            hub += At(view_, x, y) == kHubColour ? 1 : 0;
        }
    }
    EXPECT_NEAR(hub, 3.14159 * 50 * 50 - 2 * 100, 150);
    // It touches all four sides of the box (100, 33)-(199, 132) and no pixel beyond.
    EXPECT_EQ(At(view_, 100, 80), kHubColour);
    EXPECT_EQ(At(view_, 199, 80), kHubColour);
    EXPECT_EQ(At(view_, 145, 33), kHubColour);
    EXPECT_EQ(At(view_, 145, 132), kHubColour);
    EXPECT_NE(At(view_, 99, 80), kHubColour);
    EXPECT_NE(At(view_, 200, 80), kHubColour);
    EXPECT_NE(At(view_, 145, 32), kHubColour);
    EXPECT_NE(At(view_, 145, 133), kHubColour);
    EXPECT_NE(At(view_, 100, 33), kHubColour);
}

TEST_F(StartupPictureTest, FirstToothTipTouchesTheBottomOfTheCut) {
    // The tip (150, 283) is the lowest tooth pixel; the vertical centre line runs through it,
    // so its neighbours carry the tooth colour.
    EXPECT_EQ(At(view_, 149, 283), kToothColour);
    int lowest = 0;
    for (int y = 0; y < kViewHeight; ++y) {
        for (int x = 0; x < kViewWidth; ++x) {
            if (At(view_, x, y) == kToothColour) {
                lowest = y;
            }
        }
    }
    EXPECT_EQ(lowest, 283);
    // The workpiece's top surface lies DepthPixels = 40 above the tip.
    EXPECT_EQ(At(view_, 370, 243), kLineColour);
    EXPECT_EQ(At(view_, 370, 244), kWorkpieceColour);
    EXPECT_EQ(At(view_, 370, 242), kFieldColour);
}

TEST_F(StartupPictureTest, GulletHalfDiskLiesTowardTheCentre) {
    // Box (142, 205)-(198, 261), chord from (197, 228) to (142, 238): the white half-disk is
    // the upper one, cut out of the tooth body toward the cutter centre; below the chord lies
    // the open gullet in front of the rake face.
    EXPECT_EQ(At(view_, 170, 212), kFieldColour);
    EXPECT_EQ(At(view_, 160, 225), kFieldColour);
    EXPECT_EQ(At(view_, 185, 220), kFieldColour);
    EXPECT_EQ(At(view_, 170, 252), kFieldColour);
    EXPECT_EQ(At(view_, 138, 250), kToothColour); // behind the rake face
    // Nothing white inside the tooth body beyond the gullet box above it.
    EXPECT_EQ(At(view_, 170, 203), kToothColour);
    // The chord is painted white, so the half-disk opens into the gullet.
    EXPECT_EQ(At(view_, 170, 233), kFieldColour);
    EXPECT_EQ(At(view_, 196, 229), kFieldColour);
}

TEST_F(StartupPictureTest, CentreLinesAreDottedBlackOnHubGrey) {
    int dots = 0;
    int gaps = 0;
    for (int y = 40; y < 126; ++y) {
        const Colour c = At(view_, 150, y);
        ASSERT_TRUE(c == kLineColour || c == kHubColour) << y;
        dots += c == kLineColour ? 1 : 0;
        gaps += c == kHubColour ? 1 : 0;
    }
    EXPECT_GT(dots, 20);
    EXPECT_GT(gaps, 20);
    // The vertical line covers rows 0..299 and stops there.
    for (int y = 1; y < 300; ++y) {
        const Colour c = At(view_, 150, y);
        ASSERT_TRUE(c == kLineColour || c == kHubColour) << y;
    }
    for (int y = 300; y < 312; ++y) {
        EXPECT_EQ(At(view_, 150, y), kFieldColour) << y;
    }
    // The horizontal line spans the whole width, over the field as well.
    for (int x = 0; x < kViewWidth; ++x) {
        const Colour c = At(view_, x, 83);
        ASSERT_TRUE(c == kLineColour || c == kHubColour) << x;
    }
}

TEST_F(StartupPictureTest, UsesExactlyTheFiveColours) {
    std::set<Colour> seen;
    for (int y = 0; y < kViewHeight; ++y) {
        for (int x = 0; x < kViewWidth; ++x) {
            seen.insert(At(view_, x, y));
        }
    }
    EXPECT_EQ(seen, (std::set<Colour>{kFieldColour, kLineColour, kWorkpieceColour, kToothColour,
                                      kHubColour}));
}

TEST(CutterViewTest, DownMillingMirrorsTheTeethAboutTheCentre) {
    sim::SimState up = sim::StartupState();
    sim::SimState down = up;
    down.MillingDirection = sim::MillingDirection::Down;
    CutterView upView;
    CutterView downView;
    upView.RedrawCutterView(up, 0.0);
    downView.RedrawCutterView(down, 0.0);
    // Below the hub and left of the workpiece only teeth and field remain; compare them
    // mirrored about x = 150 (the rasteriser may differ by a pixel along slanted edges).
    int teeth = 0;
    int mismatches = 0;
    for (int y = 140; y < 300; ++y) {
        for (int x = 1; x < 300; ++x) {
            if (x == 150 || 300 - x >= 345) {
                continue;
            }
            const bool a = At(upView, x, y) == kToothColour;
            const bool b = At(downView, 300 - x, y) == kToothColour;
            teeth += a ? 1 : 0;
            mismatches += a != b ? 1 : 0;
        }
    }
    EXPECT_GT(teeth, 5000);
    EXPECT_LT(mismatches, teeth / 50);
    // The first tooth's gullet lies in the mirrored box (102, 205)-(158, 261), toward the centre.
    EXPECT_EQ(At(downView, 130, 212), kFieldColour);
    EXPECT_EQ(At(downView, 162, 250), kToothColour);
    EXPECT_EQ(At(upView, 130, 212), kToothColour);
    EXPECT_EQ(At(downView, 151, 283), kToothColour);
}

TEST(CutterViewTest, NoTeethForACountOfZeroOrLess) {
    for (const int count : {0, -3}) {
        sim::SimState s = sim::StartupState();
        s.ToothCount = count;
        CutterView view;
        view.RedrawCutterView(s, 0.0);
        std::set<Colour> seen;
        for (int y = 0; y < kViewHeight; ++y) {
            for (int x = 0; x < kViewWidth; ++x) {
                seen.insert(At(view, x, y));
            }
        }
        EXPECT_EQ(seen, (std::set<Colour>{kFieldColour, kLineColour, kWorkpieceColour, kHubColour}))
            << count;
        EXPECT_EQ(At(view, 120, 60), kHubColour);
        EXPECT_EQ(At(view, 370, 300), kWorkpieceColour);
    }
}

TEST(CutterViewTest, EveryRedrawStartsFromAnEmptyField) {
    CutterView view;
    sim::SimState s = sim::StartupState();
    view.RedrawCutterView(s, 0.3);
    s.ToothCount = 0;
    view.RedrawCutterView(s, 0.0);
    CutterView fresh;
    fresh.RedrawCutterView(s, 0.0);
    EXPECT_EQ(view.Image(), fresh.Image());
}

// The canvas keeps its scan buffers and ellipse rows from one figure to the next: a view that
// has drawn other pictures, with more and larger teeth and another cut, draws the same pixels
// as a fresh one.
TEST(CutterViewTest, RedrawsAfterOtherPicturesMatchAFreshView) {
    sim::SimState twenty = sim::MidRunState(sim::MillingDirection::Up, 800);
    ASSERT_TRUE(sim::SetToothCount(twenty, "20").applied());
    const sim::SimState down = sim::MidRunState(sim::MillingDirection::Down, 500);
    const sim::SimState start = sim::StartupState();
    CutterView reused;
    for (const sim::SimState* s :
         std::vector<const sim::SimState*>{&twenty, &down, &start, &twenty, &down}) {
        reused.RedrawCutterView(*s, s->Phase + 0.1);
        CutterView fresh;
        fresh.RedrawCutterView(*s, s->Phase + 0.1);
        EXPECT_EQ(reused.Image(), fresh.Image()) << s->ToothCount;
    }
}

TEST(CutterViewTest, PhaseTurnsEveryTooth) {
    const sim::SimState s = sim::StartupState();
    CutterView atZero;
    CutterView turned;
    CutterView fullPitch;
    atZero.RedrawCutterView(s, 0.0);
    turned.RedrawCutterView(s, 0.2);
    fullPitch.RedrawCutterView(s, s.ToothPitch);
    EXPECT_NE(atZero.Image(), turned.Image());
    // One pitch brings every tooth to its neighbour's place (up to rounding of the angles).
    int differing = 0;
    for (int y = 0; y < kViewHeight; ++y) {
        for (int x = 0; x < kViewWidth; ++x) {
            differing += At(atZero, x, y) != At(fullPitch, x, y) ? 1 : 0;
        }
    }
    EXPECT_LT(differing, 400);
}

TEST(CutterViewTest, EndOfTheDefaultRunShowsTheMachinedSurface) {
    sim::SimState s = sim::MidRunState(sim::MillingDirection::Up, 5000);
    ASSERT_FALSE(s.TimerEnabled);
    CutterView view;
    view.RedrawCutterView(s, s.Phase);
    // The top edge of the workpiece in columns that no tooth covers: straight at row 243
    // (283 - DepthPixels) where the cutter has not reached, lower where it has cut an arc.
    std::set<int> edgeRows;
    for (int x = 1; x < 384; ++x) {
        int edge = -1;
        bool tooth = false;
        for (int y = 200; y < 312; ++y) {
            const Colour c = At(view, x, y);
            tooth = tooth || c == kToothColour;
            if (edge < 0 && c == kWorkpieceColour) {
                edge = y - 1; // the outline pixel above the fill
            }
        }
        if (!tooth && edge >= 0 && x != 150) {
            edgeRows.insert(edge);
        }
    }
    ASSERT_FALSE(edgeRows.empty());
    EXPECT_EQ(*edgeRows.begin(), 243);
    EXPECT_GT(*edgeRows.rbegin(), 260);
    EXPECT_GT(edgeRows.size(), 5u);
}

TEST(CutterViewTest, BitmapIsCreatedOnTheFirstDraw) {
    CutterView view;
    EXPECT_EQ(view.Bitmap(), nullptr);
    EXPECT_TRUE(view.Image().isNull());
    const std::string path =
        (std::filesystem::temp_directory_path() / "cutter_view_test_first_draw.png").string();
    EXPECT_FALSE(view.SavePng(path));
    const sim::SimState s = sim::StartupState();
    view.DrawWorkpiece(s);
    ASSERT_NE(view.Bitmap(), nullptr);
    EXPECT_EQ(At(view, 384, 0), kLineColour);
}

TEST(CutterViewTest, PngHoldsThePicture) {
    const sim::SimState s = sim::StartupState();
    const std::string path =
        (std::filesystem::temp_directory_path() / "cutter_view_test_startup.png").string();
    ASSERT_TRUE(SaveCutterViewPng(s, 0.0, path));
    QImage png(QString::fromStdString(path));
    std::remove(path.c_str());
    ASSERT_FALSE(png.isNull());
    CutterView view;
    view.RedrawCutterView(s, 0.0);
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), view.Image());
    EXPECT_FALSE(SaveCutterViewPng(s, 0.0, "/nonexistent-directory/view.png"));
}

// The half-disk of a gullet: on the chord from the rake face's inner end (point 4) to the chord's
// far end (point 5), on the side of the cutter centre.
struct GulletDisk {
    double mx, my; // chord midpoint
    double radius; // half the chord
    double nx, ny; // unit normal of the chord toward the cutter centre

    // Whether the centre of pixel (x, y) lies within `margin` px of the half-disk.
    bool Holds(int x, int y, double margin) const {
        const double px = x + 0.5 - mx;
        const double py = y + 0.5 - my;
        return std::hypot(px, py) <= radius + margin && px * nx + py * ny >= -margin;
    }
};

std::vector<GulletDisk> Gullets(const sim::SimState& s, double phase) {
    std::vector<GulletDisk> gullets;
    const ToothGeometry g = ComputeToothGeometry(s);
    for (int k = 0; k < s.ToothCount; ++k) {
        const ToothOutline t =
            ComputeToothOutline(s, g, k * s.ToothPitch + phase, s.MillingDirection);
        const double x4 = t.ToothPoints[4].x, y4 = t.ToothPoints[4].y;
        const double x5 = t.ToothPoints[5].x, y5 = t.ToothPoints[5].y;
        GulletDisk d{(x4 + x5) / 2, (y4 + y5) / 2, std::hypot(x5 - x4, y5 - y4) / 2, 0, 0};
        d.nx = -(y5 - y4) / (2 * d.radius);
        d.ny = (x5 - x4) / (2 * d.radius);
        if (d.nx * (s.CentreX - d.mx) + d.ny * (s.CentreY - d.my) < 0) {
            d.nx = -d.nx;
            d.ny = -d.ny;
        }
        gullets.push_back(d);
    }
    return gullets;
}

// The first island of tooth-coloured pixels (8-connected) that lies wholly inside one gullet of
// the picture drawn at `phase` (within a pixel of its half-disk), as text, or "" when there is
// none. Each group of tooth pixels in a gullet is grown within the gullet only; a group that
// touches a tooth pixel outside it, or the border of the view (beyond which the tooth goes on),
// belongs to a tooth body.
std::string FirstIslandInAGullet(const sim::SimState& s, double phase) {
    constexpr double kMargin = 1.0;
    CutterView view;
    view.RedrawCutterView(s, phase);
    const std::vector<GulletDisk> gullets = Gullets(s, phase);
    std::vector<char> seen(kViewWidth * kViewHeight);
    std::vector<std::pair<int, int>> group;
    for (size_t k = 0; k < gullets.size(); ++k) {
        const GulletDisk& d = gullets[k];
        std::fill(seen.begin(), seen.end(), 0);
        const int left = std::max(0, static_cast<int>(d.mx - d.radius - 2));
        const int right = std::min(kViewWidth - 1, static_cast<int>(d.mx + d.radius + 2));
        const int top = std::max(0, static_cast<int>(d.my - d.radius - 2));
        const int bottom = std::min(kViewHeight - 1, static_cast<int>(d.my + d.radius + 2));
        for (int y0 = top; y0 <= bottom; ++y0) {
            for (int x0 = left; x0 <= right; ++x0) {
                if (seen[y0 * kViewWidth + x0] || !d.Holds(x0, y0, kMargin) ||
                    At(view, x0, y0) != kToothColour) {
                    continue;
                }
                group.assign(1, {x0, y0});
                seen[y0 * kViewWidth + x0] = 1;
                bool attached = false;
                for (size_t i = 0; i < group.size(); ++i) {
                    for (int dy = -1; dy <= 1; ++dy) {
                        for (int dx = -1; dx <= 1; ++dx) {
                            const int x = group[i].first + dx;
                            const int y = group[i].second + dy;
                            if (x < 0 || y < 0 || x >= kViewWidth || y >= kViewHeight) {
                                attached = true;
                                continue;
                            }
                            if (seen[y * kViewWidth + x] || At(view, x, y) != kToothColour) {
                                continue;
                            }
                            if (!d.Holds(x, y, kMargin)) {
                                attached = true;
                                continue;
                            }
                            seen[y * kViewWidth + x] = 1;
                            group.push_back({x, y});
                        }
                    }
                }
                if (!attached) {
                    char text[96];
                    std::snprintf(text, sizeof text, "phase %.4f, gullet %zu: %zu px at (%d, %d)",
                                  phase, k, group.size(), x0, y0);
                    return text;
                }
            }
        }
    }
    return "";
}

// Every phase of one tooth pitch (the picture repeats from pitch to pitch, so these are the
// pictures of a whole revolution) at the start values.
TEST(GulletTest, NoToothIslandInAGulletOverARevolutionOfTheStartValues) {
    const sim::SimState s = sim::StartupState();
    const int phases = static_cast<int>(s.ToothPitch / s.AngleStep) + 1;
    for (int i = 0; i < phases; ++i) {
        ASSERT_EQ(FirstIslandInAGullet(s, i * s.AngleStep), "");
    }
}

struct GulletGridCase {
    int teeth;
    sim::MillingDirection direction;
};

std::string GulletGridName(const ::testing::TestParamInfo<GulletGridCase>& info) {
    return (info.param.direction == sim::MillingDirection::Down ? "Down" : "Up") +
           std::to_string(info.param.teeth);
}

class GulletGridTest : public ::testing::TestWithParam<GulletGridCase> {};

TEST_P(GulletGridTest, NoToothIslandInAGullet) {
    sim::SimState s = sim::StartupState();
    sim::SetMillingDirection(s, GetParam().direction, nullptr);
    ASSERT_TRUE(sim::SetToothCount(s, std::to_string(GetParam().teeth)).applied());
    // Each extreme of the rake and of the clearance angle once.
    const std::pair<const char*, const char*> angles[] = {{"0", "25"}, {"20", "5"}};
    for (const auto& [rake, clearance] : angles) {
        ASSERT_TRUE(sim::SetRakeAngle(s, rake).applied());
        ASSERT_TRUE(sim::SetClearanceAngle(s, clearance).input.applied());
        constexpr int kPhases = 5;
        for (int i = 0; i < kPhases; ++i) {
            ASSERT_EQ(FirstIslandInAGullet(s, i * s.ToothPitch / kPhases), "")
                << "rake " << rake << ", clearance " << clearance;
        }
    }
}

std::vector<GulletGridCase> GulletGridCases() {
    std::vector<GulletGridCase> cases;
    for (const sim::MillingDirection direction :
         {sim::MillingDirection::Up, sim::MillingDirection::Down}) {
        for (int teeth = 4; teeth <= 20; ++teeth) {
            cases.push_back({teeth, direction});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryCount, GulletGridTest, ::testing::ValuesIn(GulletGridCases()),
                         GulletGridName);

// A redraw leaves out the radial edge that the next tooth paints over; the picture must be the
// one the designed steps give when every tooth is drawn whole.
struct WholeTeethCase {
    int teeth;
    const char* diameter;
    sim::MillingDirection direction;
};

std::string WholeTeethName(const ::testing::TestParamInfo<WholeTeethCase>& info) {
    return (info.param.direction == sim::MillingDirection::Down ? "Down" : "Up") +
           std::to_string(info.param.teeth) + "Teeth" + info.param.diameter + "mm";
}

class WholeTeethTest : public ::testing::TestWithParam<WholeTeethCase> {};

TEST_P(WholeTeethTest, RedrawMatchesTheStepsWithEveryToothWhole) {
    sim::SimState s = sim::MidRunState(GetParam().direction, 300);
    ASSERT_TRUE(sim::SetCutterDiameter(s, GetParam().diameter).input.applied());
    ASSERT_TRUE(sim::SetToothCount(s, std::to_string(GetParam().teeth)).applied());
    CutterView fast;
    CutterView steps;
    constexpr int kPhases = 23;
    for (int i = 0; i < kPhases; ++i) {
        const double phase = i * s.ToothPitch / kPhases;
        fast.RedrawCutterView(s, phase);
        steps.DrawWorkpiece(s);
        const ToothGeometry geometry = ComputeToothGeometry(s);
        for (int k = 0; k < s.ToothCount; ++k) {
            steps.DrawTooth(
                ComputeToothOutline(s, geometry, k * s.ToothPitch + phase, s.MillingDirection),
                s.GulletRadius);
        }
        steps.DrawCutterHub(s);
        ASSERT_TRUE(SamePixels(fast, steps)) << "phase " << phase;
    }
}

std::vector<WholeTeethCase> WholeTeethCases() {
    std::vector<WholeTeethCase> cases;
    for (const sim::MillingDirection direction :
         {sim::MillingDirection::Up, sim::MillingDirection::Down}) {
        for (const char* diameter : {"50", "100", "180"}) {
            for (const int teeth : {4, 5, 8, 13, 20}) {
                cases.push_back({teeth, diameter, direction});
            }
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Grid, WholeTeethTest, ::testing::ValuesIn(WholeTeethCases()),
                         WholeTeethName);

} // namespace
} // namespace cutter
