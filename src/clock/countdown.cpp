#include "clock/countdown.h"

#include "app/text.h"

namespace tabrino {

bool rollOver(Element& minutes, Element& seconds) {
    if (numericValue(seconds.text()) != 0) return false;
    seconds.setText("59");
    double m = numericValue(minutes.text()) - 1;
    minutes.setText(m < 10 ? twoDigits(m) : numberText(m));
    return true;
}

void stepSeconds(Element& seconds, bool rolledOver) {
    double s = numericValue(seconds.text());
    if (s <= 10) {
        seconds.setText(twoDigits(s - 1));
    } else if (!rolledOver) {
        seconds.setText(numberText(s - 1));
    }
}

}  // namespace tabrino
