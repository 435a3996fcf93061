// Window icons: the style's sizes, real images at those sizes, and the owner chain.
#include <gtest/gtest.h>

#include "tests/desktop/qt_printers.h"

#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QImage>
#include <QProxyStyle>
#include <QWidget>

#include "desktop/window_icons.h"

namespace ninefold {
namespace {

class IconSizeStyle : public QProxyStyle {
  public:
    IconSizeStyle(int large, int small) : large_(large), small_(small) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_LargeIconSize) {
            return large_;
        }
        if (metric == PM_SmallIconSize) {
            return small_;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

  private:
    int large_;
    int small_;
};

QList<QSize> sizesOf(const QWidget& window) {
    QList<QSize> sizes = window.windowIcon().availableSizes();
    std::sort(sizes.begin(), sizes.end(),
              [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
    return sizes;
}

QImage imageOf(const QWidget& window, int size) {
    return window.windowIcon()
        .pixmap(QSize(size, size))
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// Equal up to the rounding of storing a pixmap premultiplied.
bool sameImage(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
                std::abs(qBlue(p) - qBlue(q)) > 2 || std::abs(qAlpha(p) - qAlpha(q)) > 2) {
                return false;
            }
        }
    }
    return true;
}

QImage resourceImage(int size) {
    return QImage(QStringLiteral(":/icons/AAA/%1.png").arg(size))
        .convertToFormat(QImage::Format_ARGB32);
}

TEST(SetWindowIcons, GivesTheStylesLargeAndSmallSizes) {
    struct Case {
        int large;
        int small;
    };
    for (const Case c : {Case{32, 16}, Case{48, 24}, Case{64, 32}}) {
        QWidget window;
        IconSizeStyle style(c.large, c.small);
        window.setStyle(&style);
        SetWindowIcons(&window, "AAA", true);
        EXPECT_EQ(sizesOf(window), QList<QSize>({QSize(c.small, c.small), QSize(c.large, c.large)}))
            << c.large << "/" << c.small;
        EXPECT_TRUE(sameImage(imageOf(window, c.large), resourceImage(c.large)));
        window.setStyle(nullptr);
    }
}

TEST(LoadIconImage, FallsBackToTheNearestLargerImage) {
    const QPixmap image = LoadIconImage("AAA", 24);
    EXPECT_EQ(image.size(), QSize(24, 24));
    // The yellow centre cell of the artwork survives scaling from 32.
    EXPECT_EQ(image.toImage().pixelColor(12, 12), QColor(Qt::yellow));
    EXPECT_EQ(LoadIconImage("AAA", 512).size(), QSize(512, 512));
    EXPECT_TRUE(LoadIconImage("NoSuchGroup", 32).isNull());
}

TEST(SetWindowIcons, FollowsTheOwnerChainOnlyWhenAsked) {
    QWidget owner;
    QDialog middle(&owner);
    QDialog window(&middle);
    ASSERT_EQ(OwnerOf(&window), &middle);
    ASSERT_EQ(OwnerOf(&middle), &owner);
    ASSERT_EQ(OwnerOf(&owner), nullptr);

    SetWindowIcons(&window, "AAA", false);
    EXPECT_TRUE(window.testAttribute(Qt::WA_SetWindowIcon));
    EXPECT_FALSE(owner.testAttribute(Qt::WA_SetWindowIcon));

    SetWindowIcons(&window, "AAA", true);
    EXPECT_EQ(sizesOf(owner), sizesOf(window));
    EXPECT_TRUE(sameImage(imageOf(owner, 16), resourceImage(16)));
    EXPECT_FALSE(middle.testAttribute(Qt::WA_SetWindowIcon))
        << "only the window and the top of its chain";
}

}  // namespace
}  // namespace ninefold
