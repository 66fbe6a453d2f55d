// Number texts in the "#,##0.###" style of the chart's axis labels and series marks.
#pragma once

#include <QChar>
#include <QString>

namespace chart {

// '0' and '#' digit placeholders, ',' for grouping, '.' for the decimal point; the given
// separators replace ',' and '.' in the result. Rounds the 15-significant-digit decimal form
// half away from zero; NaN and infinities give "NAN", "INF" and "-INF".
QString FormatFloatPattern(double value, const QString& pattern, QChar decimalSeparator,
                           QChar groupSeparator);

} // namespace chart
