#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;
class QRect;

namespace xj::artwork {

// The panel's background tile, 30 x 10 pixels, in dark tones under green text.
QPixmap panelTile();

// The player window's background picture.
void paintPlayerBackdrop(QPainter& painter, const QRect& rect);

// The icon of a picture button, by its window's and its own name; null for a button without
// one.
QIcon buttonIcon(const QString& windowName, const QString& controlName);

// The icon beside a menu item, by the name of the image it shows; null for an unknown name.
QIcon menuIcon(const QString& imageName);

} // namespace xj::artwork
