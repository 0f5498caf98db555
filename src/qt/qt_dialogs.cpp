#include "qt/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tabrino::qt {

namespace {

QString titleOf(const std::string& title) { return title.empty() ? kDefaultTitle : QString::fromStdString(title); }

QMessageBox::Icon qtIcon(Icon i) {
    switch (i) {
        case Icon::Error: return QMessageBox::Critical;
        case Icon::Question: return QMessageBox::Question;
        case Icon::Information: return QMessageBox::Information;
        case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Answer QtDialogs::message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
    QMessageBox box(qtIcon(icon), titleOf(title), QString::fromStdString(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    if (buttons == Buttons::Ok) {
        QPushButton* ok = box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return Answer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("Sí"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);  // closing the box changes nothing
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

std::string QtDialogs::input(const std::string& prompt, const std::string& title, const std::string& defaultText) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setWindowTitle(titleOf(title));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(defaultText));
    dialog.setOkButtonText(QStringLiteral("Aceptar"));
    dialog.setCancelButtonText(QStringLiteral("Cancelar"));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue().toStdString();
}

}  // namespace tabrino::qt
