#ifndef TABLEHINT_H
#define TABLEHINT_H

#include <QObject>

class QAbstractItemView;
class QLabel;
class QWidget;

// A line of text across the middle of an item view, over its empty viewport, while shown.
class TableHint : public QObject
{
    Q_OBJECT

public:
    // Lives as the view's child; hidden at first.
    explicit TableHint(QAbstractItemView *view);

    void setText(const QString &text);
    void setShown(bool shown);
    bool isShown() const;
    QString text() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    // The viewport, not the view: its events still come while the view is being destroyed,
    // when the view can no longer be asked for it.
    QWidget *viewport;
    QLabel *label;
};

#endif // TABLEHINT_H
