#ifndef LIMITINPUT_H
#define LIMITINPUT_H

#include <QObject>

class QDoubleSpinBox;

// Lets a number box take both "," and "." as its decimal separator, whatever the system's
// is: either key types the box's own. Lives as the box's child.
class DecimalSeparatorKeys : public QObject
{
    Q_OBJECT

public:
    explicit DecimalSeparatorKeys(QDoubleSpinBox *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QDoubleSpinBox *box;
};

// A red frame and the tool tip on both limit boxes while min is above max; none otherwise.
void mark_limit_order(QDoubleSpinBox *minBox, QDoubleSpinBox *maxBox, bool ordered, const QString &toolTip);

#endif // LIMITINPUT_H
