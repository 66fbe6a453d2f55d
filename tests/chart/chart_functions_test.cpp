#include "chart/chart.h"
#include "chart/chart_exception.h"
#include "chart/series/chart_functions.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace chart {
namespace {

struct FunctionCase {
    const char* name;
    const TFunctionClassInfo& (*info)();
    std::vector<double> x; // expected result points
    std::vector<double> y;
};

class QixFunctionTest : public testing::Test {
protected:
    // result = f(a, b); a has points at X 0, 1, 2, b at the same X.
    void SetUp() override {
        for (TChartSeries* s : {&a, &b, &result}) {
            s->SetParentChart(&chart);
        }
        a.SetName("A");
        b.SetName("B");
        const double ya[] = {6, 8, -3};
        const double yb[] = {2, 0, 3};
        for (int i = 0; i < 3; ++i) {
            a.AddPoint(i, ya[i]);
            b.AddPoint(i, yb[i]);
        }
        result.AddDataSource(&a);
        result.AddDataSource(&b);
    }
    void ExpectPoints(const std::vector<double>& x, const std::vector<double>& y) const {
        ASSERT_EQ(result.PointCount(), static_cast<int>(x.size()));
        for (int i = 0; i < result.PointCount(); ++i) {
            EXPECT_EQ(result.XAt(i), x[static_cast<std::size_t>(i)]) << "point " << i;
            EXPECT_EQ(result.YAt(i), y[static_cast<std::size_t>(i)]) << "point " << i;
        }
    }

    TChart chart;
    TChartSeries a;
    TChartSeries b;
    TChartSeries result;
};

class FunctionTest : public QixFunctionTest, public testing::WithParamInterface<FunctionCase> {};

TEST_P(FunctionTest, CombinesTheSourcesAtEachX) {
    const FunctionCase& c = GetParam();
    const TFunctionClassInfo& info = c.info();
    EXPECT_EQ(std::string(info.ClassName), std::string("T") + c.name + "QixFunction");
    result.SetFunction(info.Create());
    ExpectPoints(c.x, c.y);
}

// 8 / 0 at X 1: the quotient has no value there and the point is left out.
INSTANTIATE_TEST_SUITE_P(
    Table, FunctionTest,
    testing::Values(
        FunctionCase{"Add", &TAddQixFunction::ClassInfo, {0, 1, 2}, {8, 8, 0}},
        FunctionCase{"Subtract", &TSubtractQixFunction::ClassInfo, {0, 1, 2}, {4, 8, -6}},
        FunctionCase{"Multiply", &TMultiplyQixFunction::ClassInfo, {0, 1, 2}, {12, 0, -9}},
        FunctionCase{"Divide", &TDivideQixFunction::ClassInfo, {0, 2}, {3, -1}},
        FunctionCase{"High", &THighQixFunction::ClassInfo, {0, 1, 2}, {6, 8, 3}},
        FunctionCase{"Low", &TLowQixFunction::ClassInfo, {0, 1, 2}, {2, 0, -3}},
        FunctionCase{"Average", &TAverageQixFunction::ClassInfo, {0, 1, 2}, {4, 4, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QixFunctionTest, SourcesAreMatchedByXNotByIndex) {
    b.DeletePoint(1); // b now has X 0 and 2 only
    result.SetFunction(std::make_unique<TAverageQixFunction>());
    // At X 1 only a has a value; at X 2 b's value sits at index 1.
    ExpectPoints({0, 1, 2}, {4, 8, 0});
}

TEST_F(QixFunctionTest, SubtractAndDivideFoldOverFurtherSources) {
    TChartSeries c;
    c.SetParentChart(&chart);
    c.AddPoint(0, 2);
    c.AddPoint(2, 0.5);
    result.AddDataSource(&c);
    result.SetFunction(std::make_unique<TSubtractQixFunction>());
    ExpectPoints({0, 1, 2}, {2, 8, -6.5});
    result.SetFunction(std::make_unique<TDivideQixFunction>());
    ExpectPoints({0, 2}, {1.5, -2});
}

TEST_F(QixFunctionTest, OneSourceIsCombinedInGroupsOfPeriodPoints) {
    result.RemoveDataSource(&b);
    a.AddPoint(3, 5);
    a.AddPoint(4, 1);
    auto average = std::make_unique<TAverageQixFunction>();
    TQixFunction* f = average.get();
    result.SetFunction(std::move(average));
    // Period 0: every point on its own.
    ExpectPoints({0, 1, 2, 3, 4}, {6, 8, -3, 5, 1});
    f->SetPeriod(2);
    // Groups (0, 1), (2, 3) and the short last group (4), at the middle of each group.
    ExpectPoints({0.5, 2.5, 4}, {7, 1, 1});

    try {
        f->SetPeriod(-1);
        FAIL() << "no exception";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "Function Period must be >= 0");
    }
    EXPECT_EQ(f->Period(), 2);
    ExpectPoints({0.5, 2.5, 4}, {7, 1, 1});
}

TEST_F(QixFunctionTest, SourceRefreshRecomputes) {
    result.SetFunction(std::make_unique<THighQixFunction>());
    a.YValues().ReplaceAt(2, 9); // the source tells its dependents that the point changed
    ExpectPoints({0, 1, 2}, {6, 8, 9});
    a.ClearValues();
    EXPECT_EQ(result.PointCount(), 0);
}

} // namespace
} // namespace chart
