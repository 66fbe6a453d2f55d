#include "app/field_tooltip.h"

#include "sim/text_conversion.h"

namespace app {

namespace {

// The label as one line, ending in its unit: "Brzina pomoćnog kretanja, mm/min", and the angle
// labels, which leave their unit to a raised "o", as "Grudni ugao, °".
QString Heading(const sim::InputFieldSpec& spec) {
    QString heading = QString::fromUtf8(spec.label).trimmed();
    if (spec.labelSecondLine != nullptr) {
        heading += QLatin1Char(' ') + QString::fromUtf8(spec.labelSecondLine).trimmed();
    }
    if (heading.endsWith(QLatin1Char(','))) {
        heading += QLatin1Char(' ') + QString::fromUtf8(spec.unit);
    }
    return heading;
}

QString Number(const sim::InputFieldSpec& spec, int32_t value, char separator) {
    return QString::fromStdString(
        sim::FormatGeneral(value / static_cast<double>(spec.scale), separator));
}

} // namespace

QString FieldToolTip(const sim::InputFieldSpec& spec, int32_t minimum, int32_t maximum,
                     char separator, bool rejected) {
    const QString unit = QString::fromUtf8(spec.unit);
    // A degree sign follows its number; other units stand apart.
    const QString unitText =
        unit.isEmpty() ? QString() : (unit == QStringLiteral("°") ? unit : QLatin1Char(' ') + unit);
    QString tip;
    if (rejected) {
        tip = QStringLiteral("Uneta vrednost nije dozvoljena i nije primenjena.\n");
    }
    return tip + Heading(spec) + QStringLiteral("\nDozvoljeno: ") +
           Number(spec, minimum, separator) + QStringLiteral(" do ") +
           Number(spec, maximum, separator) + unitText;
}

} // namespace app
