#include "pseudo_terminal.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

}  // namespace

bool PseudoTerminal::open(QString* error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) {
        *error = systemError("posix_openpt");
        return false;
    }
    char name[128] = {};
    if (grantpt(master_) != 0 || unlockpt(master_) != 0 || ptsname_r(master_, name, sizeof name) != 0) {
        *error = systemError("grantpt/unlockpt/ptsname_r");
        close();
        return false;
    }
    path_ = QString::fromLocal8Bit(name);
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios raw{};
    if (slave_ < 0 || tcgetattr(slave_, &raw) != 0) {
        *error = systemError("abrir el esclavo del pseudoterminal");
        close();
        return false;
    }
    // Every byte value must pass untouched: no echo, no line editing, no flow control.
    cfmakeraw(&raw);
    raw.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (tcsetattr(slave_, TCSANOW, &raw) != 0) {
        *error = systemError("tcsetattr");
        close();
        return false;
    }
    return true;
}

void PseudoTerminal::close() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
}

bool replaceSymlink(const QString& link, const QString& target, QString* error) {
    const QFileInfo existing(link);
    if (existing.exists() || existing.isSymLink()) {
        if (!existing.isSymLink()) {
            *error = QStringLiteral("%1 existe y no es un enlace simbólico: no se toca").arg(link);
            return false;
        }
        QFile::remove(link);
    }
    if (!QFile::link(target, link)) {
        *error = QStringLiteral("no se pudo crear el enlace %1 -> %2").arg(link, target);
        return false;
    }
    return true;
}

void removeSymlink(const QString& link, const QString& target) {
    const QFileInfo info(link);
    if (info.isSymLink() && info.symLinkTarget() == target) QFile::remove(link);
}
