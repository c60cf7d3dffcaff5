#include "tolerancelimits.h"

#include "valuetext.h"

bool Limits::isShownOutside(float v) const
{
    // The number of the shown text, not the text read back: a summary judges every value of
    // every block, and making and reading a text costs a third of a second per million values.
    return isOutside(value_display_number(v));
}
