#include "canvas/text_cache.h"

#include <gtest/gtest.h>

#include <QString>

namespace canvas {
namespace {

struct MeasureCase {
    const char* name;
    FontSpec font;
};

class TextMeasureTest : public ::testing::TestWithParam<MeasureCase> {};

// A width measured before the text is ever drawn must be the width its drawing takes, and the
// later drawing must not change it: an axis lays its labels out from measured widths and then
// draws them.
TEST_P(TextMeasureTest, MeasuredWidthIsTheRenderedWidth) {
    const QString texts[] = {
        "", "0", "-0,5", "1,875", "5,000", "Glavni otpor rezanja, N", "Wg", "2.35000000001"};
    TextCache measuredFirst;
    TextCache renderedOnly;
    measuredFirst.SelectFont(GetParam().font);
    renderedOnly.SelectFont(GetParam().font);
    for (const QString& text : texts) {
        const int measured = measuredFirst.Advance(text);
        EXPECT_EQ(measured, renderedOnly.Render(text).advance) << text.toStdString();
        EXPECT_EQ(measuredFirst.Render(text).advance, measured) << text.toStdString();
        EXPECT_EQ(measuredFirst.Advance(text), measured) << text.toStdString();
    }
}

// The canvas's text extent is the cell Render gives, whether or not the text was drawn.
TEST_P(TextMeasureTest, CanvasExtentIsTheRenderedCell) {
    Canvas canvas(40, 20);
    canvas.SetFont(GetParam().font);
    TextCache reference;
    reference.SelectFont(GetParam().font);
    const TextImage& cell = reference.Render("1,95");
    const TextSize before = canvas.TextExtent("1,95");
    canvas.TextOut(0, 0, "1,95");
    const TextSize after = canvas.TextExtent("1,95");
    EXPECT_EQ(before.width, cell.advance);
    EXPECT_EQ(before.height, cell.height);
    EXPECT_EQ(after.width, before.width);
    EXPECT_EQ(after.height, before.height);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, TextMeasureTest,
    ::testing::Values(MeasureCase{"Arial8", {"Arial", 8}},
                      MeasureCase{"Tahoma8Bold", {"Tahoma", 8, 0, true}},
                      MeasureCase{"Arial16Italic", {"Arial", 16, 0, false, true}}),
    [](const ::testing::TestParamInfo<MeasureCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace canvas
