#include "tolerancelimits.h"

#include <QString>

#include "valuetext.h"

bool Limits::isShownOutside(float v) const
{
    bool ok = false;
    const double shown = value_display_text(v).toDouble(&ok);
    return ok && isOutside(shown);
}
