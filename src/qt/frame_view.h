#pragma once
// A frame of a window: a captioned box that holds controls and draws the
// labels, pictures and shapes that lie in it.
#include <QGroupBox>

namespace tabrino {
class Element;
}

namespace tabrino::qt {

class WindowView;

class FrameView : public QGroupBox {
    Q_OBJECT

public:
    FrameView(WindowView& view, const Element& frame, QWidget* parent);
    void detach() { frame_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* ev) override;
    // The pointer goes to the window, which hit-tests the whole client area.
    void mousePressEvent(QMouseEvent* ev) override;
    void mouseReleaseEvent(QMouseEvent* ev) override;
    void mouseDoubleClickEvent(QMouseEvent* ev) override;
    void mouseMoveEvent(QMouseEvent* ev) override;

private:
    WindowView& view_;
    const Element* frame_;
};

}  // namespace tabrino::qt
