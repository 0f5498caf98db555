#pragma once
// A private Xorg server with the dummy video driver, and xrandr on it.
#include <sys/types.h>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tabrino::qt::test {

class XorgDummy {
public:
    XorgDummy() = default;
    ~XorgDummy();
    XorgDummy(const XorgDummy&) = delete;
    XorgDummy& operator=(const XorgDummy&) = delete;

    // Starts a server on the first free display of `first`..`last`; on
    // failure returns false and says why in `why`.
    bool start(int first, int last, QString& why);
    QString display() const { return QStringLiteral(":%1").arg(number_); }
    // Runs xrandr on the server; false (with its output in `why`) on failure.
    bool xrandr(const QStringList& args, QString* why = nullptr) const;

private:
    QTemporaryDir dir_;
    pid_t pid_ = -1;
    int number_ = -1;
};

}  // namespace tabrino::qt::test
