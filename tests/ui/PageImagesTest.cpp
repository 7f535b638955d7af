#include "ui/PageImages.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

QList<QImage> images() {
    QList<QImage> list;
    for (const QPixmap& pixmap : PageImages())
        list.append(pixmap.toImage().convertToFormat(QImage::Format_ARGB32));
    return list;
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

TEST(PageImages, TenTransparentImagesOf18Pixels) {
    const QList<QImage> list = images();
    ASSERT_EQ(list.size(), 10);
    for (const QImage& image : list) {
        EXPECT_EQ(image.size(), QSize(18, 18));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    }
}

TEST(PageImages, AllImagesDiffer) {
    const QList<QImage> list = images();
    ASSERT_EQ(list.size(), 10);
    for (int i = 0; i < list.size(); ++i)
        for (int j = i + 1; j < list.size(); ++j)
            EXPECT_NE(list[i], list[j]) << i << " and " << j;
}

TEST(PageImages, ProgressGrowsWithEachEighth) {
    const QList<QImage> list = images();
    ASSERT_EQ(list.size(), 10);
    int previous = 0;
    for (int i = 2; i <= 8; ++i) {
        const int grown = differingPixels(list[1], list[i]);
        EXPECT_GT(grown, previous) << i;
        previous = grown;
    }
}

TEST(PageImages, TabStripBackgroundIsAVerticalGradient) {
    for (const QSize size : {QSize(320, 24), QSize(1, 40)}) {
        const QImage image = TabStripBackground(size).toImage();
        ASSERT_EQ(image.size(), size);
        EXPECT_EQ(image.pixel(0, 0), image.pixel(size.width() - 1, 0));
        EXPECT_NE(image.pixel(0, 0), image.pixel(0, size.height() - 1));
        EXPECT_EQ(qAlpha(image.pixel(0, size.height() / 2)), 255);
    }
}

} // namespace
