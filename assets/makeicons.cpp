// Paints the program's two icons as 256-pixel PNG files with transparent backgrounds:
// a water drop for Stowlet ("Drop") and a skull for its uninstaller ("Skull"). Both are
// bold shapes with a dark outline, so that they still read when shown at 16 pixels.
// Run by the build: makeicons <folder>. With --preview <file> it also writes a sheet of
// both icons scaled to the sizes desktops show them at; with --theme <folder> <name> the
// drop in each of those sizes, laid out as an icon theme's folders.

#include "assets/dropartwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kSize = 256;

QImage blankIcon()
{
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage paintDrop()
{
    QImage image = blankIcon();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintWaterDrop(painter, QRectF(0, 0, kSize, kSize));
    return image;
}

QPainterPath skullOutline()
{
    QPainterPath cranium;
    cranium.addEllipse(QRectF(34, 18, 188, 178));
    QPainterPath jaw;
    jaw.addRoundedRect(QRectF(74, 150, 108, 88), 22, 22);
    return cranium.united(jaw);
}

QImage paintSkull()
{
    QImage image = blankIcon();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient bone(QPointF(60, 20), QPointF(200, 240));
    bone.setColorAt(0.0, QColor(255, 253, 244));
    bone.setColorAt(1.0, QColor(214, 204, 178));
    painter.setBrush(bone);
    const QPen outline(QColor(35, 32, 30), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(outline);
    painter.drawPath(skullOutline());

    const QColor hollow(35, 32, 30);
    painter.setPen(Qt::NoPen);
    painter.setBrush(hollow);
    painter.drawEllipse(QRectF(62, 90, 56, 58));
    painter.drawEllipse(QRectF(138, 90, 56, 58));
    QPainterPath nose;
    nose.moveTo(128, 150);
    nose.lineTo(144, 184);
    nose.lineTo(112, 184);
    nose.closeSubpath();
    painter.drawPath(nose);

    // Teeth: a bite line and the gaps between four teeth.
    painter.setPen(QPen(hollow, 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(90, 208), QPointF(166, 208));
    for (int x : {104, 128, 152})
        painter.drawLine(QPointF(x, 196), QPointF(x, 234));
    return image;
}

bool save(const QImage &image, const QString &path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "makeicons: cannot write %s\n", qPrintable(path));
    return false;
}

// The sizes desktops show icons at; the icon theme keeps one picture for each.
constexpr int kShownSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Writes the drop in every shown size into an icon theme's folders: <N>x<N>/apps/<name>.png.
bool saveThemeSizes(const QImage &drop, const QString &theme, const QString &name)
{
    for (int size : kShownSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
        if (!QDir().mkpath(folder) ||
            !save(drop.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation), folder + "/" + name + ".png"))
            return false;
    }
    return true;
}

QImage previewSheet(const QImage &drop, const QImage &skull)
{
    const auto &sizes = kShownSizes;
    QImage sheet(660, 2 * kSize + 30, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(236, 236, 236));
    QPainter painter(&sheet);
    int x = 10;
    for (int size : sizes) {
        painter.drawImage(x, 10, drop.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        painter.drawImage(x, 20 + kSize, skull.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        x += size + 10;
    }
    return sheet;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: makeicons <folder> [--preview <file>] [--theme <folder> <name>]\n");
        return 2;
    }
    const QString folder = arguments.at(1);
    const QImage drop = paintDrop();
    const QImage skull = paintSkull();
    bool ok = save(drop, folder + QStringLiteral("/Drop.png")) && save(skull, folder + QStringLiteral("/Skull.png"));
    const qsizetype preview = arguments.indexOf(QStringLiteral("--preview"));
    if (ok && preview > 0 && preview + 1 < arguments.size())
        ok = save(previewSheet(drop, skull), arguments.at(preview + 1));
    const qsizetype theme = arguments.indexOf(QStringLiteral("--theme"));
    if (ok && theme > 0 && theme + 2 < arguments.size())
        ok = saveThemeSizes(drop, arguments.at(theme + 1), arguments.at(theme + 2));
    return ok ? 0 : 1;
}
