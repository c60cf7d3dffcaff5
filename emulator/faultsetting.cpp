#include "faultsetting.h"

#include <QStringList>

namespace {

bool toCount(const QString &text, int *out)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0)
        return false;
    *out = value;
    return true;
}

bool toHex(const QString &text, QByteArray *out)
{
    const QByteArray latin = text.toLatin1();
    if (latin.isEmpty() || latin.size() % 2 != 0)
        return false;
    for (const char c : latin) {
        if (!QByteArray("0123456789abcdefABCDEF").contains(c))
            return false;
    }
    *out = QByteArray::fromHex(latin);
    return true;
}

// "A/B" into two parts; both must be present.
bool pair(const QString &text, QString *first, QString *second)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return false;
    *first = parts.at(0);
    *second = parts.at(1);
    return true;
}

} // namespace

bool parseFaultSetting(const QString &text, int *command, CommandFault *fault, QString *error)
{
    const int colon = int(text.indexOf(QLatin1Char(':')));
    int code = -1;
    if (colon <= 0 || !toCount(text.left(colon), &code) || code > 255) {
        *error = QStringLiteral("'%1': expected COMMAND:KIND[=VALUE]").arg(text);
        return false;
    }
    const QString setting = text.mid(colon + 1);
    const int equals = int(setting.indexOf(QLatin1Char('=')));
    const QString kind = equals < 0 ? setting : setting.left(equals);
    const QString value = equals < 0 ? QString() : setting.mid(equals + 1);

    CommandFault f = *fault;
    QString a, b;
    bool ok = true;
    if (kind == QLatin1String("silent"))
        f.silent = equals < 0;
    else if (kind == QLatin1String("error"))
        f.errorAnswer = equals < 0;
    else if (kind == QLatin1String("answer"))
        ok = toHex(value, &f.answer);
    else if (kind == QLatin1String("cut"))
        ok = toCount(value, &f.cutAfter);
    else if (kind == QLatin1String("extra"))
        ok = toHex(value, &f.extra);
    else if (kind == QLatin1String("delay"))
        ok = toCount(value, &f.delayMs);
    else if (kind == QLatin1String("pieces"))
        ok = pair(value, &a, &b) && toCount(a, &f.pieceSize) && f.pieceSize > 0 && toCount(b, &f.pieceGapMs);
    else if (kind == QLatin1String("late"))
        ok = pair(value, &a, &b) && toHex(a, &f.late) && toCount(b, &f.lateMs);
    else if (kind == QLatin1String("unplug"))
        ok = toCount(value, &f.unplugAfter);
    else if (kind == QLatin1String("skip"))
        ok = toCount(value, &f.skip);
    else if (kind == QLatin1String("count"))
        ok = toCount(value, &f.count);
    else {
        *error = QStringLiteral("'%1': unknown fault '%2'").arg(text, kind);
        return false;
    }
    if (!ok || ((kind == QLatin1String("silent") || kind == QLatin1String("error")) && equals >= 0)) {
        *error = QStringLiteral("'%1': bad value for '%2'").arg(text, kind);
        return false;
    }
    *command = code;
    *fault = f;
    return true;
}
