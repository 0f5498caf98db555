#pragma once
// Message and input boxes with Spanish buttons, modal over the program.
#include <QString>

#include "platform/services.h"

namespace tabrino::qt {

inline const QString kDefaultTitle = QStringLiteral("Tabrino de Hockey");

class QtDialogs : public Dialogs {
public:
    Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
    std::string input(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
};

}  // namespace tabrino::qt
