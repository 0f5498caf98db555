#pragma once
// The screen view of one window of the program: a top-level widget that
// draws the window's labels, pictures and shapes, holds real widgets for its
// controls, follows the window's presence, state and geometry, and hands the
// operator's pointer and keyboard back to the program.
#include <QRect>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "app/program.h"
#include "qt/paint_cache.h"

namespace tabrino::qt {

class Controls;
class PictureBook;

class WindowView : public QWidget, public WindowListener {
    Q_OBJECT

public:
    WindowView(Program& p, Window& w, PictureBook& pictures);
    ~WindowView() override;

    // The window shown; nullptr once it has been unloaded.
    Window* model() const { return w_; }
    // Drops every link to the window (it is being destroyed).
    void detach();

    // Windowless elements painted since the view was made (frames included).
    long repaints() const { return repaints_; }
    void addRepaints(int n) { repaints_ += n; }
    // Windowless elements whose look changed since the view was made, each
    // counted once between two paints: what a repaint cannot do with less.
    long lookChanges() const { return lookChanges_; }

    PictureBook& pictures() const { return pictures_; }
    // The widget of a windowed element, nullptr for other names.
    QWidget* control(const std::string& name) const;
    // An element's box in this widget's pixels.
    QRect boxOf(const std::string& name) const;

    // A pointer click at a point of this widget, routed by the program's hit
    // test; `second` is the second press of a double click.
    void routeClick(QPoint pos, bool second);

    // Run after every piece of operator input has been handed to the
    // program (the shell re-arms the timers there).
    void setAfterInput(std::function<void()> hook) { afterInput_ = std::move(hook); }
    void inputDone() const {
        if (afterInput_) afterInput_();
    }

    // The window is shown by the program, and not minimised.
    bool wanted() const;
    // Where the window goes on the desktop when shown.
    QRect intendedGeometry() const;
    // Orders the views by when their windows were last shown: a later one
    // lies on top.
    quint64 shownOrder() const { return shownOrder_; }
    // Kept hidden while another window of the program covers it whole, with
    // its image given back (a 4K window's is 32 MiB); shown again, painted
    // afresh, once uncovered.
    void setCovered(bool covered);
    bool covered() const { return covered_; }
    // Gives the window's image back now (it stays on the screen as it is).
    void releaseImage();
    // Run around every change of the window's presence, state or geometry,
    // where the shell works out which views are covered.
    enum class Restack { Leaving, Arriving, Shown };
    void setRestack(std::function<void(const WindowView*, Restack)> hook) { restack_ = std::move(hook); }

    // WindowListener
    void elementChanged(Element& e, Property p) override;
    void windowChanged(Window& w) override;

protected:
    void paintEvent(QPaintEvent* ev) override;
    void mousePressEvent(QMouseEvent* ev) override;
    void mouseReleaseEvent(QMouseEvent* ev) override;
    void mouseDoubleClickEvent(QMouseEvent* ev) override;
    bool event(QEvent* ev) override;
    void closeEvent(QCloseEvent* ev) override;
    void changeEvent(QEvent* ev) override;

private:
    void followWindow();
    void applyPresence();
    QWidget* hostOf(const Element& e) const;

    Program& p_;
    Window* w_;
    PictureBook& pictures_;
    Controls* controls_;                           // a Qt child of this view
    std::map<const Element*, QRect> lastBox_;      // where each element may have drawn
    std::map<const Element*, TextLook> lastLook_;  // each label as last drawn, where known
    std::function<void()> afterInput_;
    std::function<void(const WindowView*, Restack)> restack_;
    quint64 shownOrder_ = 0;
    bool wasShown_ = false;
    bool covered_ = false;
    long repaints_ = 0;
    long lookChanges_ = 0;
    std::set<const Element*> changedSincePaint_;
    bool applying_ = false;  // the view is being set from the model
    bool pressed_ = false;
    bool secondPress_ = false;  // the press being released was a double click's
};

}  // namespace tabrino::qt
