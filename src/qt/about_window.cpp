#include "qt/about_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabrino::qt {

QString AboutWindow::versionText() { return QStringLiteral("Versión %1").arg(QStringLiteral(TABRINO_VERSION)); }

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("acercade"));
    setWindowTitle(QStringLiteral("Acerca del Tabrino de Hockey"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Never modal: the match goes on behind it.
    setWindowModality(Qt::NonModal);
    // Black and white like the scoreboard, so it reads in a dark hall too.
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x16, 0x16, 0x16));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(96, 96));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* name = new QLabel(QStringLiteral("Tabrino de Hockey"), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 2.0);
    big.setBold(true);
    name->setFont(big);

    auto* version = new QLabel(versionText(), this);
    version->setObjectName(QStringLiteral("version"));
    QFont mid = version->font();
    mid.setPointSizeF(mid.pointSizeF() * 1.4);
    mid.setBold(true);
    version->setFont(mid);
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    version->setStyleSheet(QStringLiteral("color: #ffd040;"));

    auto* about =
        new QLabel(QStringLiteral("Marcador electrónico para hockey sobre patines: reloj de juego, períodos, goles, "
                                  "faltas, tarjetas, tiempos muertos, posesión, penales y pantallas para el público."),
                   this);
    about->setWordWrap(true);

    auto* licence =
        new QLabel(QStringLiteral("<b>Licencia</b><br>Software libre bajo la Licencia Pública General de GNU (GPL), "
                                  "versión 3 o posterior. Se ofrece sin ninguna garantía."),
                   this);
    licence->setWordWrap(true);

    auto* credits =
        new QLabel(QStringLiteral("<b>Créditos</b><br>"
                                  "Programa, dibujos y sonidos: el equipo del Tabrino de Hockey.<br>"
                                  "Dígitos del reloj: tipo de letra DSEG de Keshikan (SIL Open Font License).<br>"
                                  "Textos: Roboto Condensed (Apache 2.0) y Liberation Sans (SIL Open Font License).<br>"
                                  "Hecho con Qt %1 (LGPL versión 3).")
                       .arg(QString::fromLatin1(qVersion())),
                   this);
    credits->setWordWrap(true);

    auto* close = new QPushButton(QStringLiteral("Cerrar"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* text = new QVBoxLayout;
    text->setSpacing(10);
    text->addWidget(name);
    text->addWidget(version);
    text->addWidget(about);
    text->addWidget(licence);
    text->addWidget(credits);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    text->addLayout(buttons);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(20, 20, 20, 20);
    row->setSpacing(20);
    row->addWidget(icon);
    row->addLayout(text, 1);
    setFixedWidth(560);
}

}  // namespace tabrino::qt
