#include "denseplottables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// Device pixels per logical one where the painter draws into a picture with nothing but a
// shift of its own, whatever the picture's pixel ratio; 0 anywhere else. Pixel stamps and
// sums made at that scale land where the shapes would, as sharp as the device allows.
double raster_ratio(const QCPPainter *painter)
{
    const QPaintDevice *device = painter->device();
    if (!device || painter->modes().testFlag(QCPPainter::pmVectorized)
        || painter->transform().type() > QTransform::TxTranslate)
        return 0;
    const QTransform toDevice = painter->deviceTransform();
    const double ratio = toDevice.m11();
    if (toDevice.type() > QTransform::TxScale || ratio <= 0 || !qFuzzyCompare(ratio, toDevice.m22()))
        return 0;
    // Pictures count their size in device pixels; anything else only where the two are one.
    const bool picture = device->devType() == QInternal::Pixmap || device->devType() == QInternal::Image;
    return picture || ratio == 1.0 ? ratio : 0;
}

// Draws in device pixels from here to the matching restore().
void paint_in_device_pixels(QCPPainter *painter, double ratio)
{
    painter->save();
    painter->setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
}

// Pixels along the key axis.
double key_pixels(const QCPAxis *keyAxis)
{
    if (!keyAxis)
        return 0;
    const QRect rect = keyAxis->axisRect()->rect();
    return keyAxis->orientation() == Qt::Horizontal ? rect.width() : rect.height();
}

} // namespace

void DenseGraph::setPart(Part part)
{
    this->part = part;
    belowLine = QImage();
    keptLines.clear();
    lineReached = false;
}

void DenseGraph::drawLinePlot(QCPPainter *painter, const QVector<QPointF> &lines) const
{
    if (part == Part::Whole) {
        QCPGraph::drawLinePlot(painter, lines);
        return;
    }
    const bool first = !lineReached;
    lineReached = true;
    QPaintDevice *device = painter->device();
    if (!device || (device->devType() != QInternal::Pixmap && device->devType() != QInternal::Image))
        return;
    if (part == Part::AfterLine) {
        if (first) {
            painter->save();
            painter->resetTransform();
            painter->setClipping(false);
            painter->setCompositionMode(QPainter::CompositionMode_Source);
            painter->fillRect(QRect(0, 0, device->width(), device->height()), Qt::transparent);
            painter->restore();
        }
        return;
    }
    // A copy now: the painter goes on drawing into the picture.
    if (first)
        belowLine = device->devType() == QInternal::Pixmap ? static_cast<QPixmap *>(device)->toImage().copy()
                                                           : static_cast<QImage *>(device)->copy();
    if (painter->pen().style() == Qt::NoPen || painter->pen().color().alpha() == 0)
        return;
    // What the library's line drawing sets before it draws, kept instead of drawn.
    applyDefaultAntialiasingHint(painter);
    GraphLine line;
    line.points = lines;
    line.pen = painter->pen();
    if (!painter->modes().testFlag(QCPPainter::pmVectorized) && qFuzzyCompare(line.pen.widthF(), 1.0))
        line.pen.setWidth(0);
    line.transform = painter->transform();
    line.clip = painter->hasClipping() ? painter->transform().mapRect(painter->clipBoundingRect()).toAlignedRect()
                                       : QRect();
    line.hints = painter->renderHints();
    keptLines << line;
}

void DenseGraph::drawScatterPlot(QCPPainter *painter, const QVector<QPointF> &scatters,
                                 const QCPScatterStyle &style) const
{
    if (part == Part::UpToLine)
        return; // after the line: drawn in vain
    const double across = key_pixels(keyAxis());
    // Each marker is a curved path filled and stroked on its own: thousands of them
    // overlapping into one band cost tens of milliseconds. Past one per pixel across,
    // copies of one marker drawn ahead (at quarter-pixel offsets) look alike and cost little.
    const double ratio = raster_ratio(painter);
    if (scatters.size() <= across || ratio == 0 || style.shape() == QCPScatterStyle::ssPixmap) {
        QCPGraph::drawScatterPlot(painter, scatters, style);
        return;
    }
    applyScattersAntialiasingHint(painter);
    const bool smooth = painter->antialiasing();
    const QPen pen = style.isPenDefined() ? style.pen() : mPen;
    const int side = int(std::ceil((style.size() + pen.widthF()) * ratio)) + 4;
    const double offset = side / 2;
    if (stamps.isEmpty() || stampStyle.shape() != style.shape() || stampStyle.size() != style.size()
        || stampStyle.pen() != pen || stampStyle.brush() != style.brush() || stampSmooth != smooth
        || stampRatio != ratio) {
        stampSmooth = smooth;
        stampRatio = ratio;
        stampStyle = style;
        stampStyle.setPen(pen);
        // One copy per quarter-pixel offset, so no marker moves by more than an eighth of a pixel.
        stamps.clear();
        for (int y = 0; y < stampSteps; ++y) {
            for (int x = 0; x < stampSteps; ++x) {
                QPixmap stamp(side, side);
                stamp.fill(Qt::transparent);
                QCPPainter stampPainter(&stamp);
                // The hint alone: the plot's painter carries its half-pixel shift in its transform.
                stampPainter.setRenderHint(QPainter::Antialiasing, smooth);
                // Scaled as the device scales the library's own drawing, pen widths included.
                stampPainter.translate(offset + double(x) / stampSteps, offset + double(y) / stampSteps);
                stampPainter.scale(ratio, ratio);
                stampStyle.applyTo(&stampPainter, pen);
                stampStyle.drawShape(&stampPainter, 0, 0);
                stampPainter.end();
                stamps.append(stamp);
            }
        }
    }
    // Whole device pixels, so the copies are not resampled.
    const QTransform toDevice = painter->deviceTransform();
    const auto place = [](double coordinate, int &pixel) {
        const double steps = std::round(coordinate * stampSteps);
        pixel = int(std::floor(steps / stampSteps));
        return int(steps - double(pixel) * stampSteps);
    };
    paint_in_device_pixels(painter, ratio);
    for (const QPointF &at : scatters) {
        const QPointF device = toDevice.map(at) - QPointF(offset, offset);
        int x = 0;
        int y = 0;
        const int xStep = place(device.x(), x);
        const int yStep = place(device.y(), y);
        painter->drawPixmap(x, y, stamps.at(yStep * stampSteps + xStep));
    }
    painter->restore();
}

namespace {

// Share of [from, to] that falls in [cell, cell + 1].
double overlap(double from, double to, int cell)
{
    return std::max(0.0, std::min(to, cell + 1.0) - std::max(from, double(cell)));
}

// What the bars put on one pixel, summed over the bars that touch it.
struct Cell
{
    double light = 0;   // log of the light let through
    double opacity = 0; // light taken away, bar by bar
    double fill = 0;    // of that, the part the fill tints

    Cell &operator+=(const Cell &other)
    {
        light += other.light;
        opacity += other.opacity;
        fill += other.fill;
        return *this;
    }
    Cell &operator-=(const Cell &other)
    {
        light -= other.light;
        opacity -= other.opacity;
        fill -= other.fill;
        return *this;
    }
};

// The cells of the picture, each column filled in at the cost of the ends of its spans. Bars
// come in key order, so only the few columns the latest bar reaches are open at a time; each
// column before them is complete and is handed on, which keeps the sums small enough to stay
// in the cache however large the plot.
class BarSums
{
public:
    // finish(column, cells) gets each column's running sums down it, once, columns in order.
    // The outline is `stroke` device pixels wide: one on a plain screen, more on a scaled one.
    BarSums(int width, int height, double stroke, std::function<void(int, const Cell *)> finish)
        : open(int(std::ceil(stroke)) + 2), stroke(stroke), width(width), height(height),
          finish(std::move(finish)), cells(size_t(open) * size_t(height + 1))
    {
    }

    // A bar reaches the column its left side's outline starts in and the few after it.
    const int open;

    // Finishes every column before `column`: no later bar may reach them. False when
    // `column` lies before one finished already (bars out of order).
    bool startAt(int column)
    {
        if (column < first)
            return false;
        while (first < column && first < width)
            finishFirst();
        return true;
    }

    // One bar's share of a column: its two side outlines cover `left` and `right` of it and
    // its fill `inside`. The fill goes down first and the outline over it.
    void add(int column, double top, double bottom, double left, double right, double inside, int penAlpha,
             int fillAlpha)
    {
        if (column < 0 || column >= width || bottom <= top)
            return;
        Q_ASSERT(column >= first && column < first + open);
        const int firstRow = std::max(0, int(std::floor(top)));
        const int lastRow = std::min(height - 1, int(std::ceil(bottom)) - 1);
        if (firstRow <= lastRow) {
            const auto add_rows = [&](int from, int to, double share) {
                addLayer(column, from, to, painted(penAlpha, left * share), painted(penAlpha, right * share),
                         painted(fillAlpha, inside * share));
            };
            add_rows(firstRow, firstRow + 1, overlap(top, bottom, firstRow));
            if (lastRow > firstRow)
                add_rows(lastRow, lastRow + 1, overlap(top, bottom, lastRow));
            if (lastRow - firstRow > 1)
                add_rows(firstRow + 1, lastRow, 1.0);
        }
        if (inside <= 0)
            return;
        // The outlines across its two ends, as short as the bar is wide.
        const double half = stroke / 2;
        for (const double end : {top, bottom}) {
            for (int row = int(std::floor(end - half)); row <= int(std::floor(end + half)); ++row) {
                if (row >= 0 && row < height)
                    addLayer(column, row, row + 1, painted(penAlpha, inside * overlap(end - half, end + half, row)), 0,
                             0);
            }
        }
    }

    // Hands on every column not finished yet.
    void finishAll()
    {
        while (first < width)
            finishFirst();
    }

private:
    // The opacity the raster engine paints with, in steps of 1/255: coverage and colour in
    // 8 bits, the faintest touch still a step.
    static int painted(int alpha, double coverage)
    {
        if (coverage <= 0 || alpha <= 0)
            return 0;
        const int steps = std::max(1, int(255 * std::min(1.0, coverage) + 0.5));
        return (alpha * steps + 127) / 255;
    }

    Cell *columnCells(int column) { return &cells[size_t(column % open) * size_t(height + 1)]; }

    // Two hairlines and the fill under them, each as opaque as its steps.
    void addLayer(int column, int from, int to, int left, int right, int inside)
    {
        if (left + right + inside == 0)
            return;
        const double penThrough = through(left) * through(right);
        const double fillThrough = through(inside);
        const Cell layer{logThrough(left) + logThrough(right) + logThrough(inside), 1 - penThrough * fillThrough,
                         (1 - fillThrough) * penThrough};
        Cell *at = columnCells(column);
        at[from] += layer;
        at[to] -= layer;
    }

    static double through(int steps) { return 1 - steps / 255.0; }

    static double logThrough(int steps)
    {
        static const std::array<double, 256> logs = [] {
            std::array<double, 256> table{};
            for (int i = 0; i < 255; ++i)
                table[size_t(i)] = std::log(through(i));
            table[255] = -50.0; // opaque
            return table;
        }();
        return logs[size_t(steps)];
    }

    // Turns the column's differences into totals, hands it on and empties it for a later one.
    void finishFirst()
    {
        Cell *column = columnCells(first);
        for (int row = 1; row < height; ++row)
            column[row] += column[row - 1];
        finish(first, column);
        std::fill(column, column + height + 1, Cell());
        ++first;
    }

    double stroke;
    int width;
    int height;
    std::function<void(int, const Cell *)> finish;
    std::vector<Cell> cells; // the open columns, each the running sums down it
    int first = 0;           // the first column not finished yet
};

} // namespace

void DenseBars::draw(QCPPainter *painter)
{
    if (!drawDense(painter))
        QCPBars::draw(painter);
}

// Tens of thousands of antialiased outlines, each touching hundreds of pixels, cost the
// library over a hundred milliseconds. A bar far narrower than a pixel is a sliver the raster
// engine outlines as two hairlines down its sides, shared between two pixel columns by where
// it falls, with a sliver of fill between them. However they are stacked, the layers on a
// pixel let through the product of their transmittances, so the whole set is one sum of
// logarithms per pixel, filled in down each column at the cost of each span's two ends.
bool DenseBars::drawDense(QCPPainter *painter)
{
    QCPAxis *keys = keyAxis();
    QCPAxis *values = valueAxis();
    const double ratio = raster_ratio(painter);
    if (!keys || !values || keys->orientation() != Qt::Horizontal || ratio == 0 || !selection().isEmpty()
        || barsGroup() || barBelow() || barAbove())
        return false;
    // Up to about one bar per pixel the bars still stand apart, and the library is as quick.
    const auto begin = mDataContainer->findBegin(keys->range().lower);
    const auto end = mDataContainer->findEnd(keys->range().upper);
    if (end - begin <= 1.5 * key_pixels(keys) * ratio)
        return false;
    const QPen pen = mPen;
    const bool hairline = pen.style() == Qt::NoPen
                          || (pen.style() == Qt::SolidLine && pen.widthF() <= 1.0
                              && pen.brush().style() == Qt::SolidPattern);
    const Qt::BrushStyle fillStyle = mBrush.style();
    // The outline as the device draws it: a cosmetic pen one pixel wide, any other as the device scales it.
    const double stroke = pen.isCosmetic() ? 1.0 : std::max(1.0, pen.widthF() * ratio);
    if (!hairline || stroke > 3 || (fillStyle != Qt::SolidPattern && fillStyle != Qt::NoBrush))
        return false;
    applyDefaultAntialiasingHint(painter);
    if (!painter->antialiasing())
        return false;

    // Device pixels: the transform carries the painter's half-pixel shift for smooth drawing.
    const QTransform toDevice = painter->deviceTransform();
    const QRect device(0, 0, painter->device()->width(), painter->device()->height());
    const QRect area = painter->hasClipping()
                           ? toDevice.mapRect(painter->clipBoundingRect()).toAlignedRect().intersected(device)
                           : device;
    if (area.isEmpty())
        return true;
    const int width = area.width();
    const int height = area.height();

    const int penAlpha = pen.style() == Qt::NoPen ? 0 : pen.color().alpha();
    const int fillAlpha = fillStyle == Qt::NoBrush ? 0 : mBrush.color().alpha();
    const QColor penColor = pen.color();
    const QColor fillColor = mBrush.color();
    const double penRgb[3] = {penColor.redF(), penColor.greenF(), penColor.blueF()};
    const double fillRgb[3] = {fillColor.redF(), fillColor.greenF(), fillColor.blueF()};
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    const qsizetype stride = picture.bytesPerLine() / qsizetype(sizeof(QRgb));
    auto *pixels = reinterpret_cast<QRgb *>(picture.bits());
    BarSums sums(width, height, stroke, [&](int column, const Cell *cells) {
        QRgb *pixel = pixels + column;
        for (int row = 0; row < height; ++row, pixel += stride) {
            const Cell &cell = cells[row];
            if (cell.opacity < 1e-9) {
                *pixel = 0;
                continue;
            }
            // Interleaved layers: each colour tints in proportion to the light it takes away.
            const double opacity = -std::expm1(std::min(0.0, cell.light));
            const double fillShare = std::clamp(cell.fill / cell.opacity, 0.0, 1.0) * opacity;
            const double penShare = opacity - fillShare;
            const auto channel = [&](int c) { return int(255.0 * (penRgb[c] * penShare + fillRgb[c] * fillShare) + 0.5); };
            *pixel = qRgba(channel(0), channel(1), channel(2), int(255.0 * opacity + 0.5));
        }
    });
    for (auto it = begin; it != end; ++it) {
        if (!std::isfinite(it->key) || !std::isfinite(it->value))
            continue;
        const QRectF bar = toDevice.mapRect(getBarRect(it->key, it->value));
        if (bar.width() > 1.0)
            return false; // not a sliver after all: nothing is drawn yet
        const double left = bar.left() - area.left();
        const double right = bar.right() - area.left();
        const double top = bar.top() - area.top();
        const double bottom = bar.bottom() - area.top();
        if (right < -1 || left > width + 1 || bottom < 0 || top > height)
            continue;
        // An outline centred on each side: at most sums.open columns in all.
        const double half = stroke / 2;
        const int firstColumn = int(std::floor(left - half));
        if (!sums.startAt(std::max(firstColumn, 0)))
            return false; // keys out of order; nothing is drawn yet
        for (int column = firstColumn; column < firstColumn + sums.open; ++column)
            sums.add(column, top, bottom, overlap(left - half, left + half, column),
                     overlap(right - half, right + half, column), overlap(left, right, column), penAlpha, fillAlpha);
    }
    sums.finishAll();

    paint_in_device_pixels(painter, ratio);
    painter->drawImage(area.topLeft(), picture);
    painter->restore();
    return true;
}
