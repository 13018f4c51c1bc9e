#include "qtknownfolders.h"

#include "qtext.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString existing(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir() ? path : QString();
}

QString writable(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isWritable() ? path : QString();
}

// Folders the freedesktop standards define are made when first asked for, as the
// desktop itself would; the user's own folders (desktop, pictures) only count when present.
QString made(const QString &path)
{
    return QDir().mkpath(path) ? path : QString();
}

QString location(QStandardPaths::StandardLocation type)
{
    return QStandardPaths::writableLocation(type);
}

QString lookUp(int csidl)
{
    switch (csidl) {
    case Csidl::Desktop:
        return existing(location(QStandardPaths::DesktopLocation));
    case Csidl::Programs:
        return made(location(QStandardPaths::GenericDataLocation) + QStringLiteral("/applications"));
    case Csidl::Startup:
        return made(location(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart"));
    case Csidl::AppData:
        // The user's configuration folder; each program makes its own folder inside when it needs one.
        return location(QStandardPaths::GenericConfigLocation);
    case Csidl::CommonPrograms:
        return writable(QStringLiteral("/usr/local/share/applications"));
    case Csidl::ProgramFiles: {
        const QString opt = writable(QStringLiteral("/opt"));
        return opt.isEmpty() ? made(location(QStandardPaths::GenericDataLocation)) : opt;
    }
    case Csidl::MyPictures:
        return existing(location(QStandardPaths::PicturesLocation));
    default:
        // No all-users desktop and no system folder for shared components here.
        return {};
    }
}

} // namespace

std::string QtKnownFolders::specialFolder(int csidl)
{
    return fromQt(lookUp(csidl));
}

std::string QtKnownFolders::homeFolder()
{
    return fromQt(QDir::homePath());
}

std::string QtKnownFolders::tempFolder()
{
    return fromQt(QDir::tempPath() + QLatin1Char('/'));
}
