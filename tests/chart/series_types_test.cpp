#include "chart/series/line_series.h"
#include "chart/series/series_types.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

int IndexOf(const QString& description) {
    const TQixSeriesTypes& types = *SeriesTypes();
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (types[i]->Description == description) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TEST(SeriesTypesTest, StartUpRegistrationsInOrder) {
    RegisterStandardSeriesTypes();
    ASSERT_NE(SeriesTypes(), nullptr);
    const int line = IndexOf("Line");
    ASSERT_GE(line, 0);
    EXPECT_EQ((*SeriesTypes())[static_cast<std::size_t>(line)]->GalleryPage, "Standard");
    EXPECT_EQ((*SeriesTypes())[static_cast<std::size_t>(line)]->NumGallerySeries, 2);
    EXPECT_EQ((*SeriesTypes())[static_cast<std::size_t>(line)]->SeriesClass,
              &TLineSeries::ClassInfo());
    EXPECT_LT(line, IndexOf("Area"));
    EXPECT_LT(IndexOf("Area"), IndexOf("Point"));
    // Functions come first.
    const int add = IndexOf("Add");
    if (add >= 0) {
        EXPECT_EQ(add, 0);
        EXPECT_EQ((*SeriesTypes())[0]->GalleryPage, "Functions");
        EXPECT_LT(IndexOf("Average"), line);
    }
}

TEST(SeriesTypesTest, RepeatedRegistrationAddsNothingAndTextsAreCut) {
    RegisterStandardSeriesTypes();
    const std::size_t count = SeriesTypes()->size();
    RegisterSeriesType(TLineSeries::ClassInfo(), "Line", 2, "Standard");
    RegisterStandardSeriesTypes();
    EXPECT_EQ(SeriesTypes()->size(), count);
    static const TSeriesClassInfo custom{"TTestSeries", nullptr};
    RegisterSeriesType(custom, "A description longer than twenty", 3, "A page name longer than 20");
    ASSERT_EQ(SeriesTypes()->size(), count + 1);
    EXPECT_EQ(SeriesTypes()->back()->Description, "A description longer");
    EXPECT_EQ(SeriesTypes()->back()->Description.size(), 20);
    EXPECT_EQ(SeriesTypes()->back()->GalleryPage.size(), 20);
}

TEST(SeriesTypesTest, ClassesAreFoundByName) {
    RegisterStandardSeriesTypes();
    const TSeriesClassInfo* info = FindSeriesClass("TLineSeries");
    ASSERT_NE(info, nullptr);
    std::unique_ptr<TChartSeries> series = info->Create();
    EXPECT_EQ(&series->GetClassInfo(), &TLineSeries::ClassInfo());
    EXPECT_EQ(FindSeriesClass("TNoSuchSeries"), nullptr);
}

} // namespace
} // namespace chart
