#pragma once
// The windowed elements of a window as real toolkit widgets (buttons, the
// drop-down list, text boxes, check boxes, option buttons, frames), stacked
// in the window's order and kept in step with the model both ways.
#include <QObject>
#include <QPoint>
#include <map>
#include <optional>

#include "app/program.h"

class QWidget;

namespace tabrino::qt {

class WindowView;

class Controls : public QObject {
    Q_OBJECT

public:
    Controls(WindowView& view, Program& p, Window& w);

    QWidget* widget(const Element& e) const;
    // Model to widget, for one property of one element.
    void sync(const Element& e, Property p);
    void detach();

protected:
    bool eventFilter(QObject* watched, QEvent* ev) override;

private:
    QWidget* create(Element& e, QWidget* parent);
    void syncAll(const Element& e);
    // The operator clicked or pressed a button, check box or option button.
    void activated(Element& e);
    // Keyboard activation, where there is no point to hit-test.
    void pressedByKey(Element& e);
    void typed(Element& e, const QString& text);
    void picked(Element& e, int index);

    WindowView& view_;
    Program& p_;
    Window* w_;
    std::map<const Element*, QWidget*> widgets_;  // owned by their Qt parents
    std::map<const QObject*, Element*> elements_;
    std::optional<QPoint> releasedAt_;  // view pixels of the last pointer release on a control
};

}  // namespace tabrino::qt
