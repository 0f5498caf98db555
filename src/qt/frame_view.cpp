#include "qt/frame_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "form/element.h"
#include "qt/element_painter.h"
#include "qt/window_view.h"

namespace tabrino::qt {

FrameView::FrameView(WindowView& view, const Element& frame, QWidget* parent)
    : QGroupBox(parent), view_(view), frame_(&frame) {
    setFlat(false);
}

void FrameView::paintEvent(QPaintEvent* ev) {
    QGroupBox::paintEvent(ev);
    if (!frame_ || !view_.model()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRegion(ev->region());
    view_.addRepaints(paintWindowless(painter, *view_.model(), frame_, ev->region(), view_.pictures()));
}

void FrameView::mousePressEvent(QMouseEvent* ev) { ev->ignore(); }
void FrameView::mouseReleaseEvent(QMouseEvent* ev) { ev->ignore(); }
void FrameView::mouseDoubleClickEvent(QMouseEvent* ev) { ev->ignore(); }
void FrameView::mouseMoveEvent(QMouseEvent* ev) { ev->ignore(); }

}  // namespace tabrino::qt
