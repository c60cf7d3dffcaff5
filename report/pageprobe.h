#ifndef PAGEPROBE_H
#define PAGEPROBE_H

#include <QBrush>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QTransform>
#include <QVector>

class QTextDocument;

// Records what a page's drawing comes to, and draws nothing: where text goes (the
// document rounds a table's place when it draws it, which its layout does not
// tell), and the fills a page of borders is made of.
class PageProbe : public QPaintDevice, public QPaintEngine
{
public:
    struct Item
    {
        QPointF pos;
        QString text;
    };

    // Measures as `like` does.
    explicit PageProbe(QPaintDevice *like);

    // Draws a page of the document as the pages are drawn.
    void probePage(QTextDocument &document, int page);

    QVector<Item> items;
    QVector<QRectF> fills;
    QBrush fillBrush;
    QTransform fillTransform;
    bool other = false; // drew something else than plain fills and text

    QPaintEngine *paintEngine() const override;
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState &state) override;
    void drawTextItem(const QPointF &p, const QTextItem &item) override;
    void drawRects(const QRectF *rects, int count) override;
    void drawRects(const QRect *rects, int count) override;
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { other = true; }
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override { other = true; }
    void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override { other = true; }
    void drawLines(const QLine *, int) override { other = true; }
    void drawLines(const QLineF *, int) override { other = true; }
    void drawEllipse(const QRectF &) override { other = true; }
    void drawEllipse(const QRect &) override { other = true; }
    void drawPath(const QPainterPath &) override { other = true; }
    void drawPoints(const QPointF *, int) override { other = true; }
    void drawPoints(const QPoint *, int) override { other = true; }
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override { other = true; }
    void drawPolygon(const QPoint *, int, PolygonDrawMode) override { other = true; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QPaintDevice *like;
    QPen pen;
    QBrush brush;
    QTransform transform;
};

#endif // PAGEPROBE_H
