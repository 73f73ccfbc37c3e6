#include "readonlyfolder.h"

#include <QFile>
#include <QFileDevice>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace optolune::test {

namespace {

// Whether a new file can be made in the folder, tried for real.
bool canCreateIn(const QString &folder)
{
    const QString probe = folder + QStringLiteral("/.probe-read-only");
    QFile f(probe);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.close();
    QFile::remove(probe);
    return true;
}

bool setImmutable(const QString &folder, bool on)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

constexpr QFileDevice::Permissions kReadOnly =
    QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
    QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString &folder) : m_folder(folder)
{
    while (m_folder.endsWith(u'/'))
        m_folder.chop(1);
    QFile::setPermissions(m_folder, kReadOnly);
    if (canCreateIn(m_folder))
        m_immutable = setImmutable(m_folder, true);
    m_readOnly = !canCreateIn(m_folder);
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_immutable)
        setImmutable(m_folder, false);
    QFile::setPermissions(m_folder, kReadOnly | QFileDevice::WriteOwner);
}

} // namespace optolune::test
