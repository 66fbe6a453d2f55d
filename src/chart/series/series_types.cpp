#include "chart/series/series_types.h"

#include "chart/series/bar_series.h"
#include "chart/series/chart_functions.h"
#include "chart/series/fast_line_series.h"
#include "chart/series/line_series.h"
#include "chart/series/pie_series.h"

#include <QHash>
#include <algorithm>

namespace chart {

namespace {

constexpr int kMaxTextLength = 20;

struct Registry {
    std::unique_ptr<TQixSeriesTypes> types;
    QHash<QString, const TSeriesClassInfo*> seriesClasses;
    QHash<QString, const TFunctionClassInfo*> functionClasses;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

} // namespace

TQixSeriesTypes* SeriesTypes() {
    return TheRegistry().types.get();
}

void RegisterSeriesType(const TSeriesClassInfo* seriesClass,
                        const TFunctionClassInfo* functionClass, const QString& description,
                        int numGallerySeries, const QString& galleryPage) {
    Registry& r = TheRegistry();
    if (seriesClass != nullptr) {
        r.seriesClasses.insert(QString::fromLatin1(seriesClass->ClassName), seriesClass);
    }
    if (functionClass != nullptr) {
        r.functionClasses.insert(QString::fromLatin1(functionClass->ClassName), functionClass);
    }
    if (!r.types) {
        r.types = std::make_unique<TQixSeriesTypes>();
    }
    const bool known = std::any_of(r.types->begin(), r.types->end(), [&](const auto& t) {
        return t->SeriesClass == seriesClass && t->FunctionClass == functionClass;
    });
    if (known) {
        return;
    }
    auto entry = std::make_unique<TQixSeriesType>();
    entry->SeriesClass = seriesClass;
    entry->FunctionClass = functionClass;
    entry->Description = description.left(kMaxTextLength);
    entry->GalleryPage = galleryPage.left(kMaxTextLength);
    entry->NumGallerySeries = numGallerySeries;
    r.types->push_back(std::move(entry));
}

void RegisterSeriesType(const TSeriesClassInfo& seriesClass, const QString& description,
                        int numGallerySeries, const QString& galleryPage) {
    RegisterSeriesType(&seriesClass, nullptr, description, numGallerySeries, galleryPage);
}

void RegisterFunctionType(const TFunctionClassInfo& functionClass, const QString& description,
                          int numGallerySeries, const QString& galleryPage) {
    RegisterSeriesType(nullptr, &functionClass, description, numGallerySeries, galleryPage);
}

void RegisterBasicFunction(const TFunctionClassInfo& functionClass, const QString& description) {
    RegisterFunctionType(functionClass, description, 2, QStringLiteral("Functions"));
}

void RegisterStandardSeriesTypes() {
    RegisterBasicFunction(TAddQixFunction::ClassInfo(), QStringLiteral("Add"));
    RegisterBasicFunction(TSubtractQixFunction::ClassInfo(), QStringLiteral("Subtract"));
    RegisterBasicFunction(TMultiplyQixFunction::ClassInfo(), QStringLiteral("Multiply"));
    RegisterBasicFunction(TDivideQixFunction::ClassInfo(), QStringLiteral("Divide"));
    RegisterBasicFunction(THighQixFunction::ClassInfo(), QStringLiteral("High"));
    RegisterBasicFunction(TLowQixFunction::ClassInfo(), QStringLiteral("Low"));
    RegisterBasicFunction(TAverageQixFunction::ClassInfo(), QStringLiteral("Average"));
    const QString standard = QStringLiteral("Standard");
    RegisterSeriesType(TLineSeries::ClassInfo(), QStringLiteral("Line"), 2, standard);
    RegisterSeriesType(TBarSeries::ClassInfo(), QStringLiteral("Bar"), 2, standard);
    RegisterSeriesType(THorizBarSeries::ClassInfo(), QStringLiteral("Horiz. Bar"), 2, standard);
    RegisterSeriesType(TAreaSeries::ClassInfo(), QStringLiteral("Area"), 2, standard);
    RegisterSeriesType(TPointSeries::ClassInfo(), QStringLiteral("Point"), 2, standard);
    RegisterSeriesType(TPieSeries::ClassInfo(), QStringLiteral("Pie"), 1, standard);
    RegisterSeriesType(TFastLineSeries::ClassInfo(), QStringLiteral("Fast Line"), 2, standard);
}

void UnregisterSeriesTypes() {
    Registry& r = TheRegistry();
    r.types.reset();
    r.seriesClasses.clear();
    r.functionClasses.clear();
}

const TSeriesClassInfo* FindSeriesClass(const QString& className) {
    return TheRegistry().seriesClasses.value(className, nullptr);
}

const TFunctionClassInfo* FindFunctionClass(const QString& className) {
    return TheRegistry().functionClasses.value(className, nullptr);
}

} // namespace chart
