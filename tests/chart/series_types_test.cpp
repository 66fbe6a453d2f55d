#include "chart/series/bar_series.h"
#include "chart/series/chart_functions.h"
#include "chart/series/fast_line_series.h"
#include "chart/series/line_series.h"
#include "chart/series/pie_series.h"
#include "chart/series/series_types.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace chart {
namespace {

// One row of the start-up registry: a series class or a function class, never both.
struct ExpectedType {
    const char* description;
    const char* page;
    int gallerySeries;
    const TSeriesClassInfo* seriesClass;
    const TFunctionClassInfo* functionClass;
};

std::vector<ExpectedType> StartUpRegistry() {
    return {
        {"Add", "Functions", 2, nullptr, &TAddQixFunction::ClassInfo()},
        {"Subtract", "Functions", 2, nullptr, &TSubtractQixFunction::ClassInfo()},
        {"Multiply", "Functions", 2, nullptr, &TMultiplyQixFunction::ClassInfo()},
        {"Divide", "Functions", 2, nullptr, &TDivideQixFunction::ClassInfo()},
        {"High", "Functions", 2, nullptr, &THighQixFunction::ClassInfo()},
        {"Low", "Functions", 2, nullptr, &TLowQixFunction::ClassInfo()},
        {"Average", "Functions", 2, nullptr, &TAverageQixFunction::ClassInfo()},
        {"Line", "Standard", 2, &TLineSeries::ClassInfo(), nullptr},
        {"Bar", "Standard", 2, &TBarSeries::ClassInfo(), nullptr},
        {"Horiz. Bar", "Standard", 2, &THorizBarSeries::ClassInfo(), nullptr},
        {"Area", "Standard", 2, &TAreaSeries::ClassInfo(), nullptr},
        {"Point", "Standard", 2, &TPointSeries::ClassInfo(), nullptr},
        {"Pie", "Standard", 1, &TPieSeries::ClassInfo(), nullptr},
        {"Fast Line", "Standard", 2, &TFastLineSeries::ClassInfo(), nullptr},
    };
}

// The whole registry, entry by entry: a type that drops out of the start-up registrations, or
// moves, fails here.
TEST(SeriesTypesTest, StartUpRegistryIsCompleteAndInOrder) {
    UnregisterSeriesTypes();
    RegisterStandardSeriesTypes();
    ASSERT_NE(SeriesTypes(), nullptr);
    const TQixSeriesTypes& types = *SeriesTypes();
    const std::vector<ExpectedType> expected = StartUpRegistry();
    ASSERT_EQ(types.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].description);
        EXPECT_EQ(types[i]->Description, expected[i].description);
        EXPECT_EQ(types[i]->GalleryPage, expected[i].page);
        EXPECT_EQ(types[i]->NumGallerySeries, expected[i].gallerySeries);
        EXPECT_EQ(types[i]->SeriesClass, expected[i].seriesClass);
        EXPECT_EQ(types[i]->FunctionClass, expected[i].functionClass);
    }
}

// Every registered class is found by its name and creates an object of that class.
TEST(SeriesTypesTest, EveryRegisteredClassIsFoundByNameAndCreatesItsKind) {
    UnregisterSeriesTypes();
    RegisterStandardSeriesTypes();
    for (const ExpectedType& row : StartUpRegistry()) {
        SCOPED_TRACE(row.description);
        if (row.seriesClass != nullptr) {
            EXPECT_EQ(FindSeriesClass(row.seriesClass->ClassName), row.seriesClass);
            const std::unique_ptr<TChartSeries> series = row.seriesClass->Create();
            ASSERT_NE(series, nullptr);
            EXPECT_EQ(&series->GetClassInfo(), row.seriesClass);
        } else {
            EXPECT_EQ(FindFunctionClass(row.functionClass->ClassName), row.functionClass);
            const std::unique_ptr<TQixFunction> function = row.functionClass->Create();
            const auto* pointwise = dynamic_cast<const TPointwiseQixFunction*>(function.get());
            ASSERT_NE(pointwise, nullptr);
            EXPECT_EQ(&pointwise->GetClassInfo(), row.functionClass);
        }
    }
    EXPECT_EQ(FindSeriesClass("TNoSuchSeries"), nullptr);
    EXPECT_EQ(FindFunctionClass("TNoSuchFunction"), nullptr);
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

} // namespace
} // namespace chart
