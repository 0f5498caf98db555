#pragma once
// The About window: the program's name, its version (the package's), its
// licence and credits. A framed window of its own beside the scoreboard:
// the operator window keeps taking clicks while it is open.
#include <QWidget>

namespace tabrino::qt {

class AboutWindow : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);

    static QString versionText();  // "Versión 1.0.0"
};

}  // namespace tabrino::qt
