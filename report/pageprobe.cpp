#include "pageprobe.h"

#include <QPainter>
#include <QTextDocument>

#include "pagedprint.h"

PageProbe::PageProbe(QPaintDevice *like)
    : QPaintEngine(QPaintEngine::AllFeatures)
    , like(like)
{
}

void PageProbe::probePage(QTextDocument &document, int page)
{
    const qreal pageHeight = document.pageSize().height();
    QPainter painter(this);
    painter.translate(0, -page * pageHeight);
    const QRectF view(0, page * pageHeight, document.pageSize().width(), pageHeight);
    painter.setClipRect(view);
    draw_document(painter, document, view);
}

QPaintEngine *PageProbe::paintEngine() const
{
    return const_cast<PageProbe *>(this);
}

void PageProbe::updateState(const QPaintEngineState &state)
{
    const DirtyFlags flags = state.state();
    if (flags & DirtyPen)
        pen = state.pen();
    if (flags & DirtyBrush)
        brush = state.brush();
    if (flags & DirtyTransform)
        transform = state.transform();
    if ((flags & DirtyOpacity) && state.opacity() != 1.0)
        other = true;
    if ((flags & DirtyCompositionMode) && state.compositionMode() != QPainter::CompositionMode_SourceOver)
        other = true;
}

void PageProbe::drawTextItem(const QPointF &p, const QTextItem &item)
{
    items.append({p, item.text()});
}

void PageProbe::drawRects(const QRectF *rects, int count)
{
    if (pen.style() != Qt::NoPen || brush.style() != Qt::SolidPattern
        || (!fills.isEmpty() && (brush != fillBrush || transform != fillTransform))) {
        other = true;
        return;
    }
    fillBrush = brush;
    fillTransform = transform;
    for (int i = 0; i < count; ++i)
        fills << rects[i];
}

void PageProbe::drawRects(const QRect *rects, int count)
{
    for (int i = 0; i < count; ++i) {
        const QRectF rect(rects[i]);
        drawRects(&rect, 1);
    }
}

int PageProbe::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return like->width();
    case PdmHeight: return like->height();
    case PdmWidthMM: return like->widthMM();
    case PdmHeightMM: return like->heightMM();
    case PdmNumColors: return like->colorCount();
    case PdmDepth: return like->depth();
    case PdmDpiX: return like->logicalDpiX();
    case PdmDpiY: return like->logicalDpiY();
    case PdmPhysicalDpiX: return like->physicalDpiX();
    case PdmPhysicalDpiY: return like->physicalDpiY();
    case PdmDevicePixelRatio: return like->devicePixelRatio();
    case PdmDevicePixelRatioScaled: return int(like->devicePixelRatioF() * devicePixelRatioFScale());
    }
    return 0;
}
