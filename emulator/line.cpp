#include "line.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

bool makeRaw(int fd, bool setSpeed)
{
    termios tio;
    if (::tcgetattr(fd, &tio) != 0)
        return false;
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (setSpeed) {
        ::cfsetispeed(&tio, B57600);
        ::cfsetospeed(&tio, B57600);
    }
    return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

bool openPseudoTerminalLine(LineEnds *ends, QString *error)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        *error = systemError();
        if (master >= 0)
            ::close(master);
        return false;
    }
    char name[128];
    if (::ptsname_r(master, name, sizeof name) != 0) {
        *error = systemError();
        ::close(master);
        return false;
    }
    // Holding the host's side open ourselves keeps the pair alive between the
    // host's opens: otherwise our reads fail with EIO whenever the host has it
    // closed. It also lets us make it raw before the host ever sees it, so no
    // echo or line editing touches the first bytes.
    const int keeper = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (keeper < 0 || !makeRaw(keeper, true)) {
        *error = systemError();
        if (keeper >= 0)
            ::close(keeper);
        ::close(master);
        return false;
    }
    ends->fd = master;
    ends->keeper = keeper;
    ends->hostPath = QString::fromLocal8Bit(name);
    return true;
}

bool openSerialLine(const QString &device, LineEnds *ends, QString *error)
{
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 || !makeRaw(fd, true)) {
        *error = systemError();
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    ::tcflush(fd, TCIOFLUSH);
    ends->fd = fd;
    ends->keeper = -1;
    ends->hostPath = device;
    return true;
}

void closeLine(LineEnds *ends)
{
    if (ends->keeper >= 0)
        ::close(ends->keeper);
    if (ends->fd >= 0)
        ::close(ends->fd);
    *ends = LineEnds();
}

int unreadByHost(const LineEnds &ends)
{
    int queued = 0;
    if (ends.keeper < 0 || ::ioctl(ends.keeper, TIOCINQ, &queued) != 0)
        return 0;
    return queued;
}
