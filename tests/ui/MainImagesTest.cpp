#include "ui/MainImages.h"

#include <QImage>
#include <QSet>

#include <climits>

#include <gtest/gtest.h>

namespace {

const QSet<int> Unused{21, 23, 25, 26, 27, 32, 33, 34};

QList<QImage> images() {
    QList<QImage> list;
    for (const QPixmap& pixmap : MainImages())
        list.append(pixmap.toImage().convertToFormat(QImage::Format_ARGB32));
    return list;
}

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128;
    return count;
}

TEST(MainImages, FortySevenPicturesOf16PixelsOnATransparentGround) {
    const QList<QImage> list = images();
    ASSERT_EQ(list.size(), 47);
    for (int i = 0; i < list.size(); ++i) {
        const QImage& image = list[i];
        ASSERT_EQ(image.size(), QSize(16, 16)) << i;
        for (const QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)})
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0)
                << i << " at " << corner.x() << "," << corner.y();
        EXPECT_GT(opaquePixels(image), Unused.contains(i) ? 4 : 20) << i;
    }
}

TEST(MainImages, UsedPicturesAllDiffer) {
    const QList<QImage> list = images();
    ASSERT_EQ(list.size(), 47);
    for (int i = 0; i < list.size(); ++i)
        for (int j = i + 1; j < list.size(); ++j)
            if (!Unused.contains(i) && !Unused.contains(j)) {
                EXPECT_NE(list[i], list[j]) << i << " and " << j;
            }
}

TEST(MainImages, DrawnOnceAndShared) {
    EXPECT_EQ(MainImages().at(5).cacheKey(), MainImages().at(5).cacheKey());
}

TEST(MainImages, IconsShowTheirImageAndAreNullOutOfRange) {
    const QList<QPixmap> list = MainImages();
    for (const int index : {0, 17, 46}) {
        const QIcon icon = MainIcon(index);
        ASSERT_FALSE(icon.isNull()) << index;
        EXPECT_EQ(icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
                  list.at(index).toImage().convertToFormat(QImage::Format_ARGB32))
            << index;
    }
    for (const int index : {-1, 47, INT_MAX, INT_MIN})
        EXPECT_TRUE(MainIcon(index).isNull()) << index;
}

} // namespace
