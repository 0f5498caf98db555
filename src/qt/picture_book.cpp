#include "qt/picture_book.h"

#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

namespace tabrino::qt {

PictureBook::PictureBook(QString folder) : folder_(std::move(folder)) {}

PictureBook::~PictureBook() = default;

QSvgRenderer* PictureBook::renderer(const std::string& id) {
    if (id.empty()) return nullptr;
    auto it = renderers_.find(id);
    if (it == renderers_.end()) {
        const QString path =
            folder_ + QStringLiteral("/pictures/") + QString::fromStdString(id) + QStringLiteral(".svg");
        std::unique_ptr<QSvgRenderer> r;
        if (QFileInfo(path).isFile()) {
            r = std::make_unique<QSvgRenderer>(path);
            if (!r->isValid())
                r.reset();
            else
                r->setAspectRatioMode(Qt::IgnoreAspectRatio);
        }
        it = renderers_.emplace(id, std::move(r)).first;
    }
    return it->second.get();
}

bool PictureBook::has(const std::string& id) { return renderer(id) != nullptr; }

bool PictureBook::draw(QPainter& painter, const std::string& id, const QRectF& box) {
    QSvgRenderer* r = renderer(id);
    if (!r || box.isEmpty()) return false;
    r->render(&painter, box);
    return true;
}

}  // namespace tabrino::qt
