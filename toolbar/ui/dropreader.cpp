#include "dropreader.h"

#include <QMimeData>
#include <QStringList>

DropPayload readDrop(const QMimeData &mime, const std::string &)
{
    MimeFormats formats;
    for (const QString &format : mime.formats())
        formats.emplace_back(format.toStdString(), mime.data(format).toStdString());
    return ExtractDropItems(formats);
}
