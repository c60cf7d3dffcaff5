#include "denseplottables.h"

#include <cmath>

namespace {

// A plain raster target at its own scale: pixel stamps land where the shapes would.
bool plain_raster(const QCPPainter *painter)
{
    return !painter->modes().testFlag(QCPPainter::pmVectorized)
           && painter->transform().type() <= QTransform::TxTranslate
           && painter->device() && painter->device()->devicePixelRatioF() == 1.0;
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

void DenseGraph::drawScatterPlot(QCPPainter *painter, const QVector<QPointF> &scatters,
                                 const QCPScatterStyle &style) const
{
    const double across = key_pixels(keyAxis());
    // Each marker is a curved path filled and stroked on its own: thousands of them
    // overlapping into one band cost tens of milliseconds. Past one per pixel across,
    // copies of one marker drawn ahead (at quarter-pixel offsets) look alike and cost little.
    if (scatters.size() <= across || !plain_raster(painter) || style.shape() == QCPScatterStyle::ssPixmap) {
        QCPGraph::drawScatterPlot(painter, scatters, style);
        return;
    }
    applyScattersAntialiasingHint(painter);
    const bool smooth = painter->antialiasing();
    const QPen pen = style.isPenDefined() ? style.pen() : mPen;
    const int side = int(std::ceil(style.size() + pen.widthF())) + 4;
    const double offset = side / 2;
    if (stamps.isEmpty() || stampStyle.shape() != style.shape() || stampStyle.size() != style.size()
        || stampStyle.pen() != pen || stampStyle.brush() != style.brush() || stampSmooth != smooth) {
        stampSmooth = smooth;
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
                stampStyle.applyTo(&stampPainter, pen);
                stampStyle.drawShape(&stampPainter, offset + double(x) / stampSteps, offset + double(y) / stampSteps);
                stampPainter.end();
                stamps.append(stamp);
            }
        }
    }
    // Whole device pixels, so the copies are not resampled.
    const QTransform toDevice = painter->transform();
    const auto place = [](double coordinate, int &pixel) {
        const double steps = std::round(coordinate * stampSteps);
        pixel = int(std::floor(steps / stampSteps));
        return int(steps - double(pixel) * stampSteps);
    };
    painter->save();
    painter->resetTransform();
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
