#include "desktop/linux/qtknownfolders.h"

#include "desktop/qtext.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString existing(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir() ? path : QString();
}

// A folder the user may write into: one that is there and writable, or one that is not
// there yet but could be made, because the nearest folder above it that is there is
// writable. Looking a folder up never makes it: whoever puts something in it does.
QString writable(const QString &path)
{
    QFileInfo info(path);
    if (info.exists())
        return info.isDir() && info.isWritable() ? path : QString();
    QString above = path;
    while (!info.exists()) {
        const QString parent = info.absolutePath();
        if (parent == above)
            return {};
        above = parent;
        info = QFileInfo(above);
    }
    return info.isDir() && info.isWritable() ? path : QString();
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
        return writable(location(QStandardPaths::GenericDataLocation) + QStringLiteral("/applications"));
    case Csidl::Startup:
        return writable(location(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart"));
    case Csidl::AppData:
        // The user's configuration folder; each program makes its own folder inside when it needs one.
        return location(QStandardPaths::GenericConfigLocation);
    case Csidl::CommonPrograms:
        return writable(QStringLiteral("/usr/local/share/applications"));
    case Csidl::ProgramFiles: {
        const QString opt = writable(QStringLiteral("/opt"));
        return opt.isEmpty() ? writable(location(QStandardPaths::GenericDataLocation)) : opt;
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
