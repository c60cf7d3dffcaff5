#include "blockname.h"

namespace {

bool is_kept_code_unit(ushort unit)
{
    return unit <= 0x024F || (unit >= 0x0400 && unit <= 0x052F) || (unit >= 0x1E00 && unit <= 0x1EFF);
}

} // namespace

QString clean_block_name(const QString &name)
{
    QString cleaned;
    cleaned.reserve(name.size());
    for (const QChar c : name) {
        if (is_kept_code_unit(c.unicode()))
            cleaned.append(c);
    }
    return cleaned;
}
