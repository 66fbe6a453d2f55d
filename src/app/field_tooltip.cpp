#include "app/field_tooltip.h"

#include "sim/text_conversion.h"

namespace app {

namespace {

// The label as one line, ending in its unit: "Brzina pomoćnog kretanja, mm/min", and the angle
// labels, which leave their unit to a raised "o", as "Grudni ugao, °".
QString Heading(const sim::InputFieldSpec& fieldSpec) {
    QString heading = QString::fromUtf8(fieldSpec.label).trimmed();
    if (fieldSpec.labelSecondLine != nullptr) {
        heading += QLatin1Char(' ') + QString::fromUtf8(fieldSpec.labelSecondLine).trimmed();
    }
    if (heading.endsWith(QLatin1Char(','))) {
        heading += QLatin1Char(' ') + QString::fromUtf8(fieldSpec.unit);
    }
    return heading;
}

QString Number(const sim::InputFieldSpec& fieldSpec, int32_t value, char separator) {
    return QString::fromStdString(
        sim::FormatGeneral(value / static_cast<double>(fieldSpec.scale), separator));
}

} // namespace

QString FieldToolTip(const sim::InputFieldSpec& fieldSpec, int32_t minimum, int32_t maximum,
                     char separator, bool rejected) {
    const QString unit = QString::fromUtf8(fieldSpec.unit);
    // A degree sign follows its number; other units stand apart.
    const QString unitText =
        unit.isEmpty() ? QString() : (unit == QStringLiteral("°") ? unit : QLatin1Char(' ') + unit);
    QString tip;
    if (rejected) {
        tip = QStringLiteral("Uneta vrednost nije dozvoljena i nije primenjena.\n");
    }
    return tip + Heading(fieldSpec) + QStringLiteral("\nDozvoljeno: ") +
           Number(fieldSpec, minimum, separator) + QStringLiteral(" do ") +
           Number(fieldSpec, maximum, separator) + unitText;
}

} // namespace app
