#include "toolbar/ui/dropreader.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>
#include <QStringList>

namespace toolbar {

namespace {

std::string bytesOf(const QByteArray &data)
{
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

// A picture put into a drag by this very process is held as a QImage, which has no
// bytes of its own until it is encoded.
std::string readFormat(const QMimeData &mime, const std::string &name)
{
    const QString format = QString::fromStdString(name);
    std::string bytes = bytesOf(mime.data(format));
    if (bytes.empty() && format == QLatin1String("application/x-qt-image") && mime.hasImage()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        qvariant_cast<QImage>(mime.imageData()).save(&buffer, "PNG");
        bytes = bytesOf(png);
    }
    return bytes;
}

} // namespace

DropPayload readDrop(const QMimeData &mime, const std::string &folder)
{
    return readDrop(mime, folder, DirectSave::installed());
}

DropPayload readDrop(const QMimeData &mime, const std::string &folder, DirectSave *directSave)
{
    DropFormats formats;
    for (const QString &format : mime.formats())
        formats.names.push_back(format.toStdString());
    formats.read = [&mime](const std::string &name) { return readFormat(mime, name); };
    DirectSaveStep step;
    if (directSave) {
        step = [&mime, &folder, directSave] {
            return directSave->saveInto(folder,
                                        [&mime] { return bytesOf(mime.data(QLatin1String(DirectSaveFormat))); });
        };
    }
    return ReadDropItems(formats, step);
}

} // namespace toolbar
