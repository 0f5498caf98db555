#pragma once
// Message and input boxes with Spanish buttons, modal over the program.
#include <QString>

class QWidget;

#include "platform/services.h"

namespace tabrino::qt {

inline const QString kDefaultTitle = QStringLiteral("Tabrino de Hockey");

class QtDialogs : public Dialogs {
public:
    Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
    std::string input(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
};

// A notice that leaves the match running: shown beside the windows, with an
// "Aceptar" that only closes it. Returns the box (it deletes itself on close).
QWidget* showNotice(const QString& title, const QString& text);

// The width an input box needs to show its whole title and prompt.
int inputBoxWidth(const QString& title, const QString& prompt);

}  // namespace tabrino::qt
