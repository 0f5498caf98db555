#include "qt/resource_check.h"

#include <QFontDatabase>
#include <set>
#include <string>

#include "app/program.h"
#include "app/window_catalog.h"
#include "qt/fonts.h"
#include "qt/picture_book.h"

namespace tabrino::qt {

QStringList missingPictures(PictureBook& pictures) {
    std::set<std::string> ids;
    for (const std::string& window : Program::windowNames())
        if (const WindowDesign* d = designFor(window))
            for (const auto& row : d->elements)
                if (!row.picture.empty()) ids.insert(row.picture);
    QStringList missing;
    for (const std::string& id : ids)
        if (!pictures.has(id)) missing << QString::fromStdString(id) + QStringLiteral(".svg");
    return missing;
}

QString missingResourcesText(const QStringList& pictures, const QStringList& faces, bool noFontAtAll) {
    QStringList parts;
    if (!pictures.isEmpty())
        parts << QStringLiteral(
                     "No se pudieron abrir las imágenes %1; en su lugar se ve un recuadro con el "
                     "nombre del elemento, que funciona igual.")
                     .arg(pictures.join(QStringLiteral(", ")));
    if (noFontAtAll)
        parts << QStringLiteral(
            "No hay ninguna letra instalada: los textos no se pueden mostrar. Instale "
            "fonts-liberation, fonts-dseg y fonts-roboto-unhinted.");
    else if (!faces.isEmpty())
        parts << QStringLiteral(
                     "No se encontraron las letras %1 ni sus sustitutas; los textos se muestran con "
                     "otra letra.")
                     .arg(faces.join(QStringLiteral(", ")));
    return parts.join(QLatin1Char('\n'));
}

QString missingResourcesText(PictureBook& pictures) {
    const QStringList families = QFontDatabase::families();
    return missingResourcesText(missingPictures(pictures), missingDesignFaces(families), families.isEmpty());
}

}  // namespace tabrino::qt
