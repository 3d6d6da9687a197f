#include "desktop/artwork.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStyle>
#include <map>

namespace xj::artwork {

QPixmap panelTile() {
    QPixmap tile(30, 10);
    tile.fill(QColor(10, 26, 34));
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    // A low swell that joins up from tile to tile.
    QPainterPath wave;
    wave.moveTo(0, 6);
    wave.cubicTo(7.5, 2, 7.5, 2, 15, 6);
    wave.cubicTo(22.5, 10, 22.5, 10, 30, 6);
    p.setPen(QPen(QColor(22, 64, 76), 1.2));
    p.drawPath(wave);
    p.setPen(QColor(34, 88, 100));
    p.drawPoint(15, 2);
    return tile;
}

void paintPlayerBackdrop(QPainter& p, const QRect& r) {
    p.fillRect(r, Qt::black);
    QRadialGradient glow(r.center(), std::max(r.width(), r.height()) / 1.5);
    glow.setColorAt(0, QColor(10, 34, 44));
    glow.setColorAt(1, Qt::black);
    p.fillRect(r, glow);
}

namespace {

QIcon standard(QStyle::StandardPixmap sp) {
    return QApplication::style()->standardIcon(sp);
}

QIcon themed(const char* name, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QString::fromLatin1(name), standard(fallback));
}

// A 32 x 32 icon drawn by `draw` on a transparent ground.
template <class Draw> QIcon drawnIcon(Draw draw) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return QIcon(pm);
}

// A magnifying glass, for the search (the "telescope").
QIcon drawnSearch() {
    return drawnIcon([](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 4));
        p.setBrush(QColor(170, 210, 240));
        p.drawEllipse(QRectF(4, 4, 17, 17));
        p.setPen(QPen(QColor(90, 60, 20), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 20), QPointF(28, 28));
    });
}

// A tool box, for the playlist tools.
QIcon drawnTools() {
    return drawnIcon([](QPainter& p) {
        p.setPen(QPen(QColor(60, 20, 10), 2));
        p.setBrush(QColor(200, 50, 30));
        p.drawRoundedRect(QRectF(3, 12, 26, 16), 2, 2);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(60, 20, 10), 3));
        p.drawRoundedRect(QRectF(11, 6, 10, 7), 2, 2);
        p.setPen(QPen(QColor(240, 200, 60), 2));
        p.drawLine(QPointF(3, 19), QPointF(29, 19));
    });
}

// Two arrows chasing round a loop, for the loop modes.
QIcon drawnRepeat() {
    return drawnIcon([](QPainter& p) {
        const QColor blue(40, 110, 200);
        p.setPen(QPen(blue, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(5, 7, 22, 18), 30 * 16, 150 * 16);
        p.drawArc(QRectF(5, 7, 22, 18), 210 * 16, 150 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawPolygon(QPolygonF({QPointF(27, 7), QPointF(28, 16), QPointF(20, 12)}));
        p.drawPolygon(QPolygonF({QPointF(5, 25), QPointF(4, 16), QPointF(12, 20)}));
    });
}

// A green plus, for adding to the playlist.
QIcon drawnAdd() {
    return drawnIcon([](QPainter& p) {
        p.setPen(QPen(QColor(20, 90, 20), 2));
        p.setBrush(QColor(60, 190, 60));
        p.drawPolygon(
            QPolygonF({QPointF(12, 3), QPointF(20, 3), QPointF(20, 12), QPointF(29, 12),
                       QPointF(29, 20), QPointF(20, 20), QPointF(20, 29), QPointF(12, 29),
                       QPointF(12, 20), QPointF(3, 20), QPointF(3, 12), QPointF(12, 12)}));
    });
}

} // namespace

QIcon buttonIcon(const QString& window, const QString& name) {
    if (window == QLatin1String("Form4")) {
        if (name == QLatin1String("Command2")) return QIcon::fromTheme("list-add", drawnAdd());
        if (name == QLatin1String("Command3"))
            return themed("window-close", QStyle::SP_DialogCloseButton);
        return {};
    }
    static const std::map<QString, QStyle::StandardPixmap> table = {
        {"Command13", QStyle::SP_MediaPlay},
        {"Command12", QStyle::SP_MediaPause},
        {"Command14", QStyle::SP_MediaStop},
        {"Command24", QStyle::SP_MediaSkipBackward},
        {"Command25", QStyle::SP_MediaSkipForward},
        {"Command27", QStyle::SP_MediaSeekForward},
        {"Command28", QStyle::SP_BrowserReload},
        {"Command29", QStyle::SP_MediaSeekBackward},
        {"Command30", QStyle::SP_ArrowBack},
        {"Command10", QStyle::SP_DialogOpenButton},
        {"Command22", QStyle::SP_FileIcon},
        {"Command8", QStyle::SP_DirIcon},
        {"Command17", QStyle::SP_TitleBarNormalButton},
        {"Command19", QStyle::SP_TitleBarMinButton},
        {"Command20", QStyle::SP_DialogHelpButton},
    };
    if (name == QLatin1String("Command1"))
        return QIcon::fromTheme(QStringLiteral("edit-find"), drawnSearch());
    if (name == QLatin1String("Command11"))
        return QIcon::fromTheme(QStringLiteral("applications-system"), drawnTools());
    auto it = table.find(name);
    return it == table.end() ? QIcon() : standard(it->second);
}

QIcon menuIcon(const QString& image) {
    if (image == QLatin1String("imOpen"))
        return themed("document-open", QStyle::SP_DialogOpenButton);
    if (image == QLatin1String("imSave"))
        return themed("document-save", QStyle::SP_DialogSaveButton);
    if (image == QLatin1String("Image1")) return themed("folder-open", QStyle::SP_DirOpenIcon);
    if (image == QLatin1String("Image2")) return QIcon::fromTheme("edit-find", drawnSearch());
    if (image == QLatin1String("Image3")) return themed("edit-delete", QStyle::SP_TrashIcon);
    if (image == QLatin1String("Image4"))
        return themed("media-playback-start", QStyle::SP_MediaPlay);
    if (image == QLatin1String("Image5"))
        return QIcon::fromTheme(QStringLiteral("media-playlist-repeat"), drawnRepeat());
    if (image == QLatin1String("Image6")) return themed("view-refresh", QStyle::SP_BrowserReload);
    if (image == QLatin1String("Image7")) return themed("help-about", QStyle::SP_DialogHelpButton);
    return {};
}

} // namespace xj::artwork
