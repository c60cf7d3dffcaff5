#ifndef BOUNDEDSCROLLAREA_H
#define BOUNDEDSCROLLAREA_H

#include <QScrollArea>

// Holds its widget at the widget's own smallest and preferred sizes, but never asks for
// more than a bound: with larger fonts on a small screen, what does not fit within the
// bound scrolls instead of pushing the window off the screen.
class BoundedScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit BoundedScrollArea(QWidget *parent = nullptr);

    void setBound(const QSize &bound);
    QSize bound() const { return limit; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;

private:
    QSize limit{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
};

#endif // BOUNDEDSCROLLAREA_H
