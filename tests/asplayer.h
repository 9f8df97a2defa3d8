#pragma once
// What a player's disk may hold where the game looks for a file, made in one
// place for every test; a stretch of a test run as an ordinary player runs
// the game; and what a case does that cannot run here.
//
// File permissions do not bind root, and the tests run as root in CI: there
// the stretch switches to the unprivileged user "nobody" and back at its
// end. Run as anyone else, it changes nothing.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

/// A case that cannot run here: outside CI it skips with its reason; where
/// CI runs (the variable CI set) every case must run, and it fails instead.
#define CANNOT_RUN(reason)                                                                                             \
    do {                                                                                                               \
        const QString why_ = (reason);                                                                                 \
        if (qEnvironmentVariableIsSet("CI"))                                                                           \
            QFAIL(qPrintable(QStringLiteral("this case must run in CI, but cannot: ") + why_));                        \
        QSKIP(qPrintable(why_));                                                                                       \
    } while (false)

/// What a test puts where the game looks for a file.
enum class Put { Nothing, File, UnreadableFile, ReadOnlyFile, Folder, LockedFolder, Pipe, Socket };
Q_DECLARE_METATYPE(Put)

/// Puts it at path, the folders above made first; a file holds the bytes.
/// False when that fails.
inline bool put(const QString &path, Put what, const QByteArray &bytes = {})
{
    const QByteArray name = QFile::encodeName(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    switch (what) {
    case Put::Nothing: return true;
    case Put::Folder: return QDir().mkpath(path);
    case Put::LockedFolder:
        return QDir().mkpath(path) && QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    case Put::Pipe: return ::mkfifo(name.constData(), 0600) == 0;
    case Put::Socket: { // bound and closed again: the socket stays on the disk, nobody listening
        sockaddr_un address{AF_UNIX, {}};
        qstrncpy(address.sun_path, name.constData(), sizeof(address.sun_path));
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = ::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
        return ::close(socket) == 0 && bound;
    }
    default: break;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    if (what == Put::UnreadableFile) // written, as a failed copy may leave it, but not to be read
        return QFile::setPermissions(path, QFile::WriteOwner);
    return what != Put::ReadOnlyFile || QFile::setPermissions(path, QFile::ReadOwner);
}

/// Points the game's settings at the folder config, as the environment
/// variable does for the player; the settings file's path there.
inline QString useSettingsFolder(const QString &config)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    return config + QStringLiteral("/ZorbixGames/ZorbixHoplix/V1.ini");
}

/// The file's bytes; none when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class AsPlayer {
public:
    /// Switches to "nobody" when running as root, if needed at all. The
    /// folders the stretch works in are opened to everyone first, and every
    /// folder above them that others cannot pass through is opened for
    /// passing through till the stretch ends.
    explicit AsPlayer(const QStringList &folders, bool needed = true)
    {
        if (!needed || ::geteuid() != 0)
            return;
        const passwd *nobody = ::getpwnam("nobody");
        if (!nobody) {
            m_failure = QStringLiteral("there is no user \"nobody\"");
            return;
        }
        // Stretches in other test programs may open the same folders above
        // theirs, and close them at their end: one stretch at a time, by a
        // lock on the temporary folder, which every test program shares.
        m_lock = ::open(QFile::encodeName(QDir::tempPath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_lock < 0 || ::flock(m_lock, LOCK_EX) != 0) {
            m_failure = QStringLiteral("cannot lock %1: %2")
                            .arg(QDir::tempPath(), QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        for (const QString &folder : folders) {
            ::chmod(QFile::encodeName(folder).constData(), 0777);
            for (QDir above(folder); above.cdUp() && m_failure.isEmpty();)
                openToPassThrough(above.absolutePath());
        }
        if (!m_failure.isEmpty())
            return;
        m_groups.resize(std::max(0, ::getgroups(0, nullptr)));
        if (::getgroups(int(m_groups.size()), m_groups.data()) < 0) {
            m_failure = QStringLiteral("cannot read root's groups: ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        // The saved ids stay root's, so that the end of the stretch can
        // switch back.
        if (::setgroups(0, nullptr) != 0 || ::setresgid(nobody->pw_gid, nobody->pw_gid, 0) != 0
            || ::setresuid(nobody->pw_uid, nobody->pw_uid, 0) != 0) {
            m_failure =
                QStringLiteral("cannot switch to the user \"nobody\": ") + QString::fromLocal8Bit(std::strerror(errno));
            restore();
            return;
        }
        m_switched = true;
        for (const QString &folder : folders)
            if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
                m_failure = QStringLiteral("the user \"nobody\" cannot reach ") + folder;
    }
    ~AsPlayer()
    {
        if (m_switched)
            restore();
        for (auto it = m_opened.rbegin(); it != m_opened.rend(); ++it)
            ::chmod(it->first.constData(), it->second);
        if (m_lock >= 0)
            ::close(m_lock);
    }
    AsPlayer(const AsPlayer &) = delete;
    AsPlayer &operator=(const AsPlayer &) = delete;

    /// Why the stretch cannot run as a player; empty when it can.
    const QString &failure() const { return m_failure; }

private:
    void openToPassThrough(const QString &folder)
    {
        const QByteArray name = QFile::encodeName(folder);
        struct stat info {};
        if (::stat(name.constData(), &info) != 0 || (info.st_mode & S_IXOTH))
            return;
        if (::chmod(name.constData(), (info.st_mode & 07777) | S_IXOTH) != 0) {
            m_failure = QStringLiteral("the user \"nobody\" cannot pass through %1, and it cannot be opened: %2")
                            .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        m_opened.emplace_back(name, info.st_mode & 07777);
    }
    void restore()
    {
        if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0
            || ::setgroups(m_groups.size(), m_groups.data()) != 0)
            qFatal("cannot switch back to root: %s", std::strerror(errno));
    }

    std::vector<gid_t> m_groups;
    std::vector<std::pair<QByteArray, mode_t>> m_opened;
    QString m_failure;
    int m_lock = -1;
    bool m_switched = false;
};

/// A stretch that cannot run as a player cannot try file permissions.
#define REQUIRE_PLAYER(asPlayer)                                                                                       \
    do {                                                                                                               \
        if (!(asPlayer).failure().isEmpty())                                                                           \
            CANNOT_RUN(QStringLiteral("file permissions cannot be tried: ") + (asPlayer).failure());                   \
    } while (false)
