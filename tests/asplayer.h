#pragma once
// A stretch of a test run as an ordinary player runs the game. File
// permissions do not bind root, and the tests run as root in CI: there the
// stretch switches to the unprivileged user "nobody" and back at its end.
// Run as anyone else, it changes nothing.

#include <QFile>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <vector>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

class AsPlayer {
public:
    /// Switches to "nobody" when running as root. The folders the stretch
    /// works in are opened to everyone first, so that it can reach them.
    explicit AsPlayer(const QStringList &folders)
    {
        if (::geteuid() != 0)
            return;
        const passwd *nobody = ::getpwnam("nobody");
        if (!nobody) {
            m_failure = QStringLiteral("there is no user \"nobody\"");
            return;
        }
        for (const QString &folder : folders)
            ::chmod(QFile::encodeName(folder).constData(), 0777);
        m_groups.resize(std::max(0, ::getgroups(0, nullptr)));
        ::getgroups(int(m_groups.size()), m_groups.data());
        // The saved ids stay root's, so that the end of the stretch can
        // switch back.
        if (::setgroups(0, nullptr) != 0 || ::setresgid(nobody->pw_gid, nobody->pw_gid, 0) != 0
            || ::setresuid(nobody->pw_uid, nobody->pw_uid, 0) != 0) {
            m_failure = QStringLiteral("cannot switch to the user \"nobody\": ") + QString::fromLocal8Bit(std::strerror(errno));
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
    }
    AsPlayer(const AsPlayer &) = delete;
    AsPlayer &operator=(const AsPlayer &) = delete;

    /// Why the stretch cannot run as a player; empty when it can.
    const QString &failure() const { return m_failure; }

private:
    void restore()
    {
        if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0
            || ::setgroups(m_groups.size(), m_groups.data()) != 0)
            qFatal("cannot switch back to root: %s", std::strerror(errno));
    }

    std::vector<gid_t> m_groups;
    QString m_failure;
    bool m_switched = false;
};

/// Skips the test, saying why, when its stretch cannot run as a player.
#define REQUIRE_PLAYER(asPlayer)                                                                                       \
    do {                                                                                                               \
        if (!(asPlayer).failure().isEmpty())                                                                           \
            QSKIP(qPrintable(QStringLiteral("file permissions cannot be tried: ") + (asPlayer).failure()));           \
    } while (false)
