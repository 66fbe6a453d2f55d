#include "chart/chart_exception.h"
#include "chart/series/value_list.h"

#include <gtest/gtest.h>
#include <vector>

namespace chart {
namespace {

struct OrderedCase {
    const char* name;
    TChartListOrder order;
    std::vector<double> input;
    std::vector<double> stored;
    std::vector<int> indexes;
};

class AddOrderedTest : public testing::TestWithParam<OrderedCase> {};

TEST_P(AddOrderedTest, StoresAndReturnsIndexes) {
    const OrderedCase& c = GetParam();
    TChartValueList list(nullptr, "X");
    list.SetOrder(c.order);
    std::vector<int> indexes;
    for (double v : c.input) {
        indexes.push_back(list.AddOrdered(v));
    }
    std::vector<double> stored;
    for (int i = 0; i < list.ValueCount(); ++i) {
        stored.push_back(list.RawValue(i));
    }
    EXPECT_EQ(stored, c.stored);
    EXPECT_EQ(indexes, c.indexes);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, AddOrderedTest,
    testing::Values(
        OrderedCase{
            "AscendingOutOfOrder", TChartListOrder::loAscending, {1, 3, 2}, {1, 2, 3}, {0, 1, 1}},
        OrderedCase{"AscendingEqualAppends", TChartListOrder::loAscending, {5, 5}, {5, 5}, {0, 1}},
        OrderedCase{
            "AscendingBeforeAll", TChartListOrder::loAscending, {4, 5, 1}, {1, 4, 5}, {0, 1, 0}},
        OrderedCase{"AscendingAfterEquals",
                    TChartListOrder::loAscending,
                    {1, 2, 2, 3, 2},
                    {1, 2, 2, 2, 3},
                    {0, 1, 2, 3, 3}},
        OrderedCase{
            "DescendingOutOfOrder", TChartListOrder::loDescending, {3, 1, 2}, {3, 2, 1}, {0, 1, 1}},
        OrderedCase{
            "DescendingEqualAppends", TChartListOrder::loDescending, {2, 2}, {2, 2}, {0, 1}},
        OrderedCase{"NoneKeepsArrival", TChartListOrder::loNone, {3, 1, 2}, {3, 1, 2}, {0, 1, 2}}),
    [](const testing::TestParamInfo<OrderedCase>& info) { return std::string(info.param.name); });

TEST(ValueListTest, StatisticsAreScaledWhileOrderUsesRawValues) {
    TChartValueList list(nullptr, "Y");
    list.SetMultiplier(2.0);
    list.AddOrdered(1.0);
    list.AddOrdered(-3.0);
    EXPECT_EQ(list.LowestValue(), -6.0);
    EXPECT_EQ(list.HighestValue(), 2.0);
    EXPECT_EQ(list.Total(), -4.0);
    EXPECT_EQ(list.TotalAbs(), 8.0);
    EXPECT_EQ(list.RawValue(1), -3.0);
    EXPECT_EQ(list.ScaledValue(1), -6.0);

    TChartValueList negative(nullptr, "X");
    negative.SetOrder(TChartListOrder::loAscending);
    negative.SetMultiplier(-1.0);
    negative.AddOrdered(2.0);
    negative.AddOrdered(1.0);
    EXPECT_EQ(negative.RawValue(0), 1.0);
    EXPECT_EQ(negative.RawValue(1), 2.0);
}

TEST(ValueListTest, ClearZeroesStatisticsAndKeepsCapacity) {
    TChartValueList list(nullptr, "Y");
    for (int i = 0; i < 313; ++i) {
        list.AddOrdered(i - 100.0);
    }
    const std::size_t capacity = list.Capacity();
    list.ClearList();
    EXPECT_EQ(list.ValueCount(), 0);
    EXPECT_EQ(list.LowestValue(), 0.0);
    EXPECT_EQ(list.HighestValue(), 0.0);
    EXPECT_EQ(list.Total(), 0.0);
    EXPECT_EQ(list.TotalAbs(), 0.0);
    EXPECT_EQ(list.Capacity(), capacity);
    list.AddOrdered(7.0);
    EXPECT_EQ(list.LowestValue(), 7.0);
    EXPECT_EQ(list.HighestValue(), 7.0);
}

TEST(ValueListTest, IndexOfValueFindsFirstOrNone) {
    TChartValueList list(nullptr, "Y");
    for (double v : {4.0, 2.0, 4.0}) {
        list.AddOrdered(v);
    }
    EXPECT_EQ(list.IndexOfValue(4.0), 0);
    EXPECT_EQ(list.IndexOfValue(2.0), 1);
    EXPECT_EQ(list.IndexOfValue(3.0), -1);
}

TEST(ValueListTest, DeleteAndReplaceKeepStatistics) {
    TChartValueList list(nullptr, "Y");
    for (double v : {5.0, -2.0, 9.0}) {
        list.AddOrdered(v);
    }
    list.DeleteAt(2);
    EXPECT_EQ(list.HighestValue(), 5.0);
    EXPECT_EQ(list.Total(), 3.0);
    list.ReplaceAt(1, 8.0);
    EXPECT_EQ(list.LowestValue(), 5.0);
    EXPECT_EQ(list.HighestValue(), 8.0);
    EXPECT_EQ(list.Total(), 13.0);
    EXPECT_EQ(list.TotalAbs(), 13.0);
}

TEST(ValueListTest, BadIndexRaisesListErrorAndChangesNothing) {
    TChartValueList list(nullptr, "Y");
    try {
        list.LastValue();
        FAIL() << "no exception";
    } catch (const ListIndexError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
    }
    list.AddOrdered(1.0);
    try {
        list.DeleteAt(5);
        FAIL() << "no exception";
    } catch (const ListIndexError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (5)");
    }
    EXPECT_THROW(list.ReplaceAt(1, 3.0), ListIndexError);
    EXPECT_THROW(list.RawValue(-1), ListIndexError);
    EXPECT_EQ(list.ValueCount(), 1);
    EXPECT_EQ(list.Total(), 1.0);
}

TEST(ValueListTest, AssignCopiesSettingsButNotNameOrValues) {
    TChartValueList source(nullptr, "A");
    source.SetOrder(TChartListOrder::loDescending);
    source.SetMultiplier(3.0);
    source.SetDateTime(true);
    source.SetValueSource("col");
    source.AddOrdered(1.0);
    TChartValueList target(nullptr, "B");
    target.Assign(source);
    EXPECT_EQ(target.Order(), TChartListOrder::loDescending);
    EXPECT_EQ(target.Multiplier(), 3.0);
    EXPECT_TRUE(target.DateTime());
    EXPECT_EQ(target.ValueSource(), "col");
    EXPECT_EQ(target.Name(), "B");
    EXPECT_EQ(target.ValueCount(), 0);
}

} // namespace
} // namespace chart
