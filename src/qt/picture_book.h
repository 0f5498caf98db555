#pragma once
// The pictures of the windows: SVG files in <program folder>/pictures/,
// named by picture id, loaded once and drawn stretched to a box.
#include <QRectF>
#include <QString>
#include <map>
#include <memory>
#include <string>

#include "qt/paint_cache.h"

class QPainter;
class QSvgRenderer;

namespace tabrino::qt {

class PictureBook {
public:
    explicit PictureBook(QString folder);
    ~PictureBook();
    PictureBook(const PictureBook&) = delete;
    PictureBook& operator=(const PictureBook&) = delete;

    const QString& folder() const { return folder_; }
    // Draws the picture stretched to the box. A missing or broken file draws
    // nothing: the window goes on without that picture.
    bool draw(QPainter& painter, const std::string& id, const QRectF& box);
    bool has(const std::string& id);
    // What the windows have drawn, kept for their next paints.
    PaintCache& cache() { return cache_; }

private:
    QSvgRenderer* renderer(const std::string& id);

    QString folder_;
    std::map<std::string, std::unique_ptr<QSvgRenderer>> renderers_;  // null: not loadable
    PaintCache cache_;
};

}  // namespace tabrino::qt
