#include "valuetext.h"

#include <algorithm>
#include <charconv>
#include <cmath>

int value_decimals(float v)
{
    const float magnitude = std::fabs(v);
    if (magnitude < 10.0f)
        return 2;
    if (magnitude < 100.0f)
        return 1;
    return 0;
}

namespace {

// The shortest digits that read back as v, with no exponent ("45.8", "100000000000000000000").
int fixed_shortest(float v, char *text, int size)
{
    const std::to_chars_result end = std::to_chars(text, text + size, v, std::chars_format::fixed);
    return int(end.ptr - text);
}

// A value cut or rounded to nothing but zeros has no sign left to show: -0.001 shows 0.00.
QString without_sign_of_zero(QString text)
{
    if (text.startsWith(QLatin1Char('-'))
        && std::all_of(text.cbegin() + 1, text.cend(), [](QChar c) { return c == QLatin1Char('0') || c == QLatin1Char('.'); }))
        text.remove(0, 1);
    return text;
}

} // namespace

double value_measured_number(float v)
{
    if (!std::isfinite(v))
        return double(v);
    char text[64];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, v);
    double measured = 0;
    std::from_chars(text, end.ptr, measured);
    return measured;
}

QString value_display_text(float v)
{
    if (!std::isfinite(v))
        return value_full_text(v);
    char text[80]; // FLT_MAX has 39 digits, the smallest step 45 decimals
    const int length = fixed_shortest(v, text, int(sizeof text));
    const int decimals = value_decimals(v);
    const char *point = std::find(text, text + length, '.');
    QString shown = QString::fromLatin1(text, int(point - text));
    if (decimals > 0) {
        const char *digits = point < text + length ? point + 1 : point;
        QString fraction = QString::fromLatin1(digits, int(std::min<qsizetype>(text + length - digits, decimals)));
        shown += QLatin1Char('.') + fraction.leftJustified(decimals, QLatin1Char('0'));
    }
    return without_sign_of_zero(shown);
}

QString fixed_text(double value, int decimals)
{
    return without_sign_of_zero(QString::number(value, 'f', decimals));
}

QString report_value_text(float v)
{
    return fixed_text(double(v), value_decimals(v));
}

QString value_full_text(float v)
{
    if (std::isnan(v))
        return QStringLiteral("nan"); // the sign and payload of a NaN are not kept
    if (std::isinf(v))
        return v < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    char text[32];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, v);
    return QString::fromLatin1(text, int(end.ptr - text));
}
