#pragma once
// What the machine lacks of the program's pictures and fonts, said once at
// start-up so the operator knows why a picture is a plain box or a text
// looks different, instead of finding out in mid-match.
#include <QString>
#include <QStringList>

namespace tabrino::qt {

class PictureBook;

// Picture files (id.svg) that the windows use and that are missing or broken.
QStringList missingPictures(PictureBook& pictures);

// The Spanish message naming what is missing; empty when nothing is.
// `noFontAtAll`: the machine has no font installed whatsoever.
QString missingResourcesText(const QStringList& pictures, const QStringList& faces, bool noFontAtAll);

// Checks the pictures of the folder and the installed fonts.
QString missingResourcesText(PictureBook& pictures);

}  // namespace tabrino::qt
