#include "valuetext.h"

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

double value_display_number(float v)
{
    const int decimals = value_decimals(v);
    const double scale = decimals == 2 ? 100.0 : decimals == 1 ? 10.0 : 1.0;
    double scaled = double(v) * scale;
    // Beyond 2^52 a double has no fraction left to cut; NaN stays NaN.
    if (std::fabs(scaled) < 4503599627370496.0)
        scaled = std::trunc(scaled);
    // The nearest double to a whole number of hundredths, tenths or units: its text with
    // those decimals is exactly that many, and reads back as this very double.
    return scaled / scale;
}

QString value_display_text(float v)
{
    return QString::number(value_display_number(v), 'f', value_decimals(v));
}

QString fixed_text(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(QLatin1Char('-')) && text.mid(1).remove(QLatin1Char('0')).remove(QLatin1Char('.')).isEmpty())
        text.remove(0, 1);
    return text;
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
