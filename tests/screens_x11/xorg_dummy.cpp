#include "xorg_dummy.h"

#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <csignal>

namespace tabrino::qt::test {

namespace {

const char* const kConfig = R"(Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoAddGPU" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 256000
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 5760 2160
  EndSubSection
EndSection
)";

QString findXorg() {
    for (const char* p : {"/usr/lib/xorg/Xorg", "/usr/bin/Xorg"})
        if (QFileInfo(QString::fromLatin1(p)).isExecutable()) return QString::fromLatin1(p);
    return {};
}

}  // namespace

XorgDummy::~XorgDummy() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    int status = 0;
    for (int i = 0; i < 100 && ::waitpid(pid_, &status, WNOHANG) == 0; ++i) QThread::msleep(20);
    if (::waitpid(pid_, &status, WNOHANG) == 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status, 0);
    }
}

bool XorgDummy::start(int first, int last, QString& why) {
    const QString xorg = findXorg();
    if (xorg.isEmpty()) {
        why = QStringLiteral("no Xorg server (package xserver-xorg-core)");
        return false;
    }
    if (!QFileInfo::exists(QStringLiteral("/usr/lib/xorg/modules/drivers/dummy_drv.so"))) {
        why = QStringLiteral("no dummy video driver (package xserver-xorg-video-dummy)");
        return false;
    }
    if (QStandardPaths::findExecutable(QStringLiteral("xrandr")).isEmpty()) {
        why = QStringLiteral("no xrandr (package x11-xserver-utils)");
        return false;
    }
    for (int n = first; n <= last && number_ < 0; ++n)
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))) number_ = n;
    if (number_ < 0) {
        why = QStringLiteral("every display from :%1 to :%2 is taken").arg(first).arg(last);
        return false;
    }
    const QString config = dir_.filePath(QStringLiteral("dummy.conf"));
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly) || f.write(kConfig) < 0) {
        why = QStringLiteral("cannot write ") + config;
        return false;
    }
    f.close();
    QDir(dir_.path()).mkpath(QStringLiteral("conf.d"));
    const QByteArray program = xorg.toLocal8Bit(), disp = display().toLocal8Bit(), conf = config.toLocal8Bit(),
                     confdir = dir_.filePath(QStringLiteral("conf.d")).toLocal8Bit(),
                     log = dir_.filePath(QStringLiteral("xorg.log")).toLocal8Bit();
    pid_ = ::fork();
    if (pid_ == 0) {
        // Quiet: its log goes to the file.
        if (FILE* null = std::fopen("/dev/null", "w")) {
            ::dup2(fileno(null), 1);
            ::dup2(fileno(null), 2);
        }
        ::execl(program.constData(), program.constData(), disp.constData(), "-config", conf.constData(), "-configdir",
                confdir.constData(), "-noreset", "-nolisten", "tcp", "-logfile", log.constData(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (pid_ < 0) {
        why = QStringLiteral("cannot start Xorg");
        return false;
    }
    // Ready once xrandr can talk to it.
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 15000) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            QFile l(QString::fromLocal8Bit(log));
            why = QStringLiteral("Xorg ended at start-up: ") +
                  (l.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(l.readAll().right(400)) : QString());
            return false;
        }
        if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number_)) && xrandr({})) return true;
        QThread::msleep(50);
    }
    why = QStringLiteral("Xorg did not answer within 15 s");
    return false;
}

bool XorgDummy::xrandr(const QStringList& args, QString* why) const {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("xrandr"), QStringList{QStringLiteral("-display"), display()} + args);
    const bool ok = p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok && why) *why = QString::fromLocal8Bit(p.readAll());
    return ok;
}

}  // namespace tabrino::qt::test
