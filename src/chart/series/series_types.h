// The global registry of the series types and function types the chart engine offers,
// each with a short description and the gallery page it belongs to, and the class lookup
// by name through which a stored form names its series classes.
#pragma once

#include "chart/series/chart_series.h"

#include <QString>
#include <memory>
#include <vector>

namespace chart {

struct TFunctionClassInfo;

struct TQixSeriesType {
    const TSeriesClassInfo* SeriesClass = nullptr;     // none for a function type
    const TFunctionClassInfo* FunctionClass = nullptr; // none for a plain series type
    QString Description;                               // at most 20 characters, e.g. "Line"
    QString GalleryPage;                               // at most 20 characters, e.g. "Standard"
    int NumGallerySeries = 0;                          // series a gallery preview shows
};

using TQixSeriesTypes = std::vector<std::unique_ptr<TQixSeriesType>>;

// The registry, or null before the first registration.
TQixSeriesTypes* SeriesTypes();

// Registers the classes by name and appends an entry unless one with the same two classes
// exists; description and page are cut to 20 characters. Either class may be null.
void RegisterSeriesType(const TSeriesClassInfo* seriesClass,
                        const TFunctionClassInfo* functionClass, const QString& description,
                        int numGallerySeries, const QString& galleryPage);
void RegisterSeriesType(const TSeriesClassInfo& seriesClass, const QString& description,
                        int numGallerySeries, const QString& galleryPage);
void RegisterFunctionType(const TFunctionClassInfo& functionClass, const QString& description,
                          int numGallerySeries, const QString& galleryPage);
// Function type on the page "Functions" with 2 gallery series.
void RegisterBasicFunction(const TFunctionClassInfo& functionClass, const QString& description);

// The start-up registrations, functions first; repeated calls add nothing.
void RegisterStandardSeriesTypes();
// Empties the registry (and the class lookup).
void UnregisterSeriesTypes();

// Class lookup by name, null when the class was never registered.
const TSeriesClassInfo* FindSeriesClass(const QString& className);
const TFunctionClassInfo* FindFunctionClass(const QString& className);

} // namespace chart
