#ifndef TABLEHINT_H
#define TABLEHINT_H

#include <QObject>

class QAbstractItemView;
class QLabel;

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

    QAbstractItemView *view;
    QLabel *label;
};

#endif // TABLEHINT_H
