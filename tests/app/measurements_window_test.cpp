// The measurements window after a scripted run: every value is the core's, written with its
// decimals; it follows input changes on its own refresh, and opens from the menu.
#include "app/measurements_window.h"

#include "app/lab_test_support.h"
#include "sim/scenarios.h"
#include "widgets/spin_edit.h"

#include <QLabel>
#include <QPushButton>

namespace app {
namespace {

using MeasurementsWindowTest = LabWindowTest;

TEST_F(MeasurementsWindowTest, ShowsTheRunsFiguresNextToTheTextbook) {
    StartWith("28Cr4", "P30");
    EXPECT_EQ(Tick(), 1556) << said.size();
    form->Tools().ShowMeasurements();
    TMeasurementsWindow* window = form->Tools().MeasurementsWindow();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Merenja");

    const QString point{QChar(QLatin1Char(SystemDecimalSeparator()))};
    const auto text = [&point](const char* dotted) {
        return QString(dotted).replace(QStringLiteral("."), point);
    };
    EXPECT_EQ(window->ValueText("n"), text("190.99"));
    EXPECT_EQ(window->ValueText("fz"), text("0.09817"));
    EXPECT_EQ(window->ValueText("phi"), text("36.87"));
    EXPECT_EQ(window->ValueText("ze"), text("0.8193"));
    EXPECT_EQ(window->ValueText("Q"), text("30.00"));
    EXPECT_EQ(window->ValueText("hmax.sim"), text("0.06341"));
    EXPECT_EQ(window->ValueText("hmax.book"), text("0.05890"));
    EXPECT_EQ(window->ValueText("hm.sim"), "");
    EXPECT_EQ(window->ValueText("hm.book"), text("0.03051"));
    EXPECT_EQ(window->ValueText("Fmax.sim"), text("1996.8"));
    EXPECT_EQ(window->ValueText("Fmax.book"), text("2120.2"));
    EXPECT_EQ(window->ValueText("Fmean.sim"), text("1239.9"));
    EXPECT_EQ(window->ValueText("Fmean.book"), text("1140.3"));
    EXPECT_EQ(window->ValueText("Fmean.diff"), text("8.7"));
    EXPECT_EQ(window->ValueText("P.book"), text("1.140"));
    EXPECT_EQ(window->ValueText("M.book"), text("57.0"));
    EXPECT_EQ(window->ValueText("teethNow"), QString::number(form->State().ActiveTeethCount));

    // The formulas stand next to the values.
    bool formulaShown = false;
    for (const QLabel* label : window->findChildren<QLabel*>())
        formulaShown |= label->text() == QString::fromUtf8("n = 1000·v / (π·D)");
    EXPECT_TRUE(formulaShown);
}

TEST_F(MeasurementsWindowTest, FollowsAnInputChangeOnItsOwnRefresh) {
    form->Tools().ShowMeasurements();
    TMeasurementsWindow* window = form->Tools().MeasurementsWindow();
    // No material yet: no textbook force and no difference.
    EXPECT_EQ(window->ValueText("Fmean.book"), QString::fromUtf8("–"));
    EXPECT_EQ(window->ValueText("Fmean.diff"), QString::fromUtf8("–"));
    form->SpinEdit1->SetText("50"); // diameter 50 mm: n doubles
    const QString expected = MeasurementText(1000 * 60 / (3.141592653589793 * 50), 2);
    EXPECT_NE(window->ValueText("n"), expected);
    QTRY_COMPARE_WITH_TIMEOUT(window->ValueText("n"), expected, 2000);
}

// Before the cut gives a figure, a difference would read -100 %: the column shows a dash until
// the row's simulated figure exists, and the number from then on.
TEST_F(MeasurementsWindowTest, DifferencesWaitForTheirSimulatedFigure) {
    StartWith("28Cr4", "P30");
    form->Tools().ShowMeasurements();
    TMeasurementsWindow* window = form->Tools().MeasurementsWindow();
    const QString dash = QString::fromUtf8("–");
    const char* const rows[] = {"hmax", "Fmax", "Fmean", "P", "M"};
    const auto dashes = [&] {
        window->Refresh();
        int count = 0;
        for (const char* row : rows)
            count += window->ValueText(std::string(row) + ".diff") == dash;
        return count;
    };
    Tick(10);
    ASSERT_EQ(form->State().ForceTrace[sim::kTraceLength], 0.0);
    EXPECT_EQ(dashes(), 5);
    EXPECT_NE(window->ValueText("Fmean.book"), dash); // the textbook side is there already

    // The largest chip and force come with the first force, the revolution mean later.
    while (form->State().ForceTrace[sim::kTraceLength] == 0 && Tick(1) == 1) {
    }
    window->Refresh();
    EXPECT_NE(window->ValueText("hmax.diff"), dash);
    EXPECT_NE(window->ValueText("Fmax.diff"), dash);
    EXPECT_FALSE(window->ValueText("Fmax.diff").startsWith("-100"));
    Tick();
    EXPECT_EQ(dashes(), 0);
    EXPECT_EQ(window->ValueText("Fmean.diff"),
              QString("8.7").replace('.', QChar(QLatin1Char(SystemDecimalSeparator()))));

    // "Polazno stanje" starts the figures afresh.
    form->Button4Click();
    EXPECT_EQ(dashes(), 5);
}

// The per-tooth section gives the textbook integral from the start and the simulated figures only
// once a whole revolution has passed (209 ticks at the start values).
TEST_F(MeasurementsWindowTest, ThePerToothFiguresWaitForAWholeRevolution) {
    form->Tools().ShowMeasurements();
    TMeasurementsWindow* window = form->Tools().MeasurementsWindow();
    EXPECT_EQ(window->ValueText("toothFt.book"), QString::fromUtf8("–")); // no material yet
    StartWith("28Cr4", "P30");
    Tick(200);
    window->Refresh();
    const QString dash = QString::fromUtf8("–");
    EXPECT_EQ(window->ValueText("toothFt.book"), MeasurementText(1085.856, 1));
    EXPECT_EQ(window->ValueText("toothKr"), MeasurementText(0.4, 2));
    for (const char* key : {"toothFt.sim", "toothFt.diff", "toothFnPeak.sim", "toothAngle.diff"}) {
        EXPECT_EQ(window->ValueText(key), dash) << key;
    }
    Tick(20);
    window->Refresh();
    EXPECT_NE(window->ValueText("toothFt.sim"), dash);
    EXPECT_TRUE(window->ValueText("toothAngle.diff").endsWith(QString::fromUtf8("°")));
}

TEST(MeasurementText, WritesDecimalsWithTheSystemSeparatorAndADashForNone) {
    const QString point{QChar(QLatin1Char(SystemDecimalSeparator()))};
    EXPECT_EQ(MeasurementText(1140.29, 1), "1140" + point + "3");
    EXPECT_EQ(MeasurementText(-5.82, 1), "-5" + point + "8");
    EXPECT_EQ(MeasurementText(2.0, 0), "2");
    EXPECT_EQ(MeasurementText(std::nullopt, 3), QString::fromUtf8("–"));
}

TEST(NormalForceText, SaysWhetherTheForceLiftsOrPresses) {
    const QString point{QChar(QLatin1Char(SystemDecimalSeparator()))};
    EXPECT_EQ(NormalForceText(-298.03, 1), "-298" + point + QString::fromUtf8("0 (podiže)"));
    EXPECT_EQ(NormalForceText(812.44, 1), "812" + point + "4 (pritiska)");
    EXPECT_EQ(NormalForceText(0.0, 1), "0" + point + "0");
    EXPECT_EQ(NormalForceText(std::nullopt, 1), QString::fromUtf8("–"));
}

} // namespace
} // namespace app
