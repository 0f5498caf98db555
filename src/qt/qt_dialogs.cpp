#include "qt/qt_dialogs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

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
    dialog.resize(inputBoxWidth(dialog.windowTitle(), dialog.labelText()), dialog.sizeHint().height());
    dialog.setOkButtonText(QStringLiteral("Aceptar"));
    dialog.setCancelButtonText(QStringLiteral("Cancelar"));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue().toStdString();
}

int inputBoxWidth(const QString& title, const QString& prompt) {
    // The window system draws the title in about the application's font,
    // beside its icon and buttons; room is left for them, and for the
    // dialog's own margins beside the prompt.
    const QFontMetrics metrics(QApplication::font());
    constexpr int kTitleBarExtras = 160, kMargins = 60;
    return std::max(
        {metrics.horizontalAdvance(title) + kTitleBarExtras, metrics.horizontalAdvance(prompt) + kMargins, 320});
}

QWidget* showNotice(const QString& title, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::NoButton);
    box->addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
    return box;
}

}  // namespace tabrino::qt
