#ifndef VERTICALSCROLLAREA_H
#define VERTICALSCROLLAREA_H

#include <QScrollArea>

// Scrolls its widget up and down only: never narrower than the widget's smallest width
// with the scroll bar beside it, and as tall as the widget would like, so a window with
// room enough shows it whole and a smaller one keeps the rest a scroll away.
class VerticalScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit VerticalScrollArea(QWidget *parent = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
};

#endif // VERTICALSCROLLAREA_H
