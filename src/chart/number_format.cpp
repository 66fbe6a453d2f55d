#include "chart/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace chart {
namespace {

// Keeps the first `keep` of the decimal digits 0.d1d2... x 10^exponent, rounding half away from
// zero (a carry out of the first digit raises the exponent); none are left when keep < 0.
void KeepDigits(std::string& digits, int& exponent, int keep) {
    if (keep < 0 || digits.empty()) {
        digits.clear();
        return;
    }
    if (keep >= static_cast<int>(digits.size())) {
        return;
    }
    const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (!up) {
        return;
    }
    int i = keep - 1;
    while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
        digits[static_cast<std::size_t>(i)] = '0';
        --i;
    }
    if (i >= 0) {
        ++digits[static_cast<std::size_t>(i)];
    } else {
        digits.insert(digits.begin(), '1');
        ++exponent;
    }
}

} // namespace

QString FormatFloatPattern(double value, const QString& pattern, QChar decimalSeparator,
                           QChar groupSeparator) {
    if (std::isnan(value)) {
        return QStringLiteral("NAN");
    }
    if (std::isinf(value)) {
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    }
    // Pattern: integer placeholders, optional grouping comma, optional fraction.
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QString intPart = point < 0 ? pattern : pattern.left(point);
    const QString fracPart = point < 0 ? QString() : pattern.mid(point + 1);
    const bool grouping = intPart.contains(QLatin1Char(','));
    const int minInt = static_cast<int>(intPart.count(QLatin1Char('0')));
    const int minFrac = static_cast<int>(fracPart.count(QLatin1Char('0')));
    const int maxFrac = minFrac + static_cast<int>(fracPart.count(QLatin1Char('#')));

    // 15 significant decimal digits, value = 0.d1d2...d15 x 10^exponent.
    std::string digits;
    int exponent = 0;
    const bool negative = value < 0;
    if (value != 0.0) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
        const std::string s(buf);
        const std::size_t e = s.find('e');
        digits = s.substr(0, 1) + s.substr(2, e - 2);
        exponent = std::stoi(s.substr(e + 1)) + 1;
    }
    KeepDigits(digits, exponent, exponent + maxFrac);
    if (digits.find_first_not_of('0') == std::string::npos) {
        digits.clear();
    }
    std::string intDigits;
    std::string fracDigits;
    if (!digits.empty()) {
        for (int i = 0; i < exponent; ++i) {
            intDigits +=
                i < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(i)] : '0';
        }
        // Fraction: leading zeros for a negative exponent, then the remaining digits.
        for (int i = 0; i < -exponent; ++i) {
            fracDigits += '0';
        }
        for (int i = std::max(exponent, 0); i < static_cast<int>(digits.size()); ++i) {
            fracDigits += digits[static_cast<std::size_t>(i)];
        }
        if (static_cast<int>(fracDigits.size()) > maxFrac) {
            fracDigits.resize(static_cast<std::size_t>(maxFrac));
        }
    }
    while (static_cast<int>(fracDigits.size()) > minFrac && !fracDigits.empty() &&
           fracDigits.back() == '0') {
        fracDigits.pop_back();
    }
    while (static_cast<int>(fracDigits.size()) < minFrac) {
        fracDigits += '0';
    }
    while (static_cast<int>(intDigits.size()) < minInt) {
        intDigits.insert(intDigits.begin(), '0');
    }
    QString out;
    if (negative && !digits.empty()) {
        out += QLatin1Char('-');
    }
    for (std::size_t i = 0; i < intDigits.size(); ++i) {
        if (grouping && i > 0 && (intDigits.size() - i) % 3 == 0) {
            out += groupSeparator;
        }
        out += QLatin1Char(intDigits[i]);
    }
    if (!fracDigits.empty()) {
        out += decimalSeparator;
        out += QString::fromLatin1(fracDigits.data(), static_cast<qsizetype>(fracDigits.size()));
    }
    return out;
}

} // namespace chart
