#pragma once

#include <QList>
#include <QPixmap>
#include <QSize>

// The page image list, 18 x 18 each: 9 is an idle page, 0 a page whose load
// has completed or cannot be measured, 1 to 8 a load in progress in eighths.
QList<QPixmap> PageImages();

// The tab strip's background picture.
QPixmap TabStripBackground(const QSize& size);
