// The picture store's pixels and the button-look rules, without any window.
#include "ButtonLooks.h"
#include "ButtonPictures.h"
#include "ListButtons.h"
#include "PanelButtons.h"

#include <QSet>
#include <QTest>
#include <utility>

using Assignment = std::pair<std::size_t, int>;

namespace {

// The clocks' own tables: the list clock's imgDW shares the settings pictures and its hover
// resets nobody.
std::vector<ButtonLooks::Entry> panelTable()
{
    return ButtonLooks::tableOf(PanelButtons::table());
}

std::vector<ButtonLooks::Entry> listTable()
{
    return ButtonLooks::tableOf(ListButtons::table());
}

} // namespace

class TestButtonLooks : public QObject {
    Q_OBJECT
private slots:
    void picturesHaveFaceEdgeAndGlyph()
    {
        for (int i = 0; i < ButtonPictures::kCount; ++i) {
            const QImage img = ButtonPictures::paint(i);
            QCOMPARE(img.size(), QSize(8, 16));
            QCOMPARE(img.pixel(0, 0), ButtonPictures::kEdge);
            QCOMPARE(img.pixel(7, 15), ButtonPictures::kEdge);
            QCOMPARE(img.pixel(1, 1), ButtonPictures::kFace);
            const QRgb glyph = i % 2 == 0 ? ButtonPictures::kGlyph : ButtonPictures::kGlyphHover;
            const QRgb other = i % 2 == 0 ? ButtonPictures::kGlyphHover : ButtonPictures::kGlyph;
            int glyphPixels = 0;
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 8; ++x) {
                    QVERIFY(img.pixel(x, y) != other);
                    glyphPixels += img.pixel(x, y) == glyph;
                }
            }
            QVERIFY2(glyphPixels >= 8, qPrintable(QString("picture %1").arg(i)));
        }
    }

    void pairsDifferOnlyInGlyphColour()
    {
        for (int k = 0; k < 5; ++k) {
            const QImage normal = ButtonPictures::paint(2 * k);
            const QImage hover = ButtonPictures::paint(2 * k + 1);
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 8; ++x) {
                    const bool glyphN = normal.pixel(x, y) == ButtonPictures::kGlyph;
                    const bool glyphH = hover.pixel(x, y) == ButtonPictures::kGlyphHover;
                    QCOMPARE(glyphN, glyphH);
                    if (!glyphN)
                        QCOMPARE(normal.pixel(x, y), hover.pixel(x, y));
                }
            }
        }
    }

    void glyphsAreDistinctAndShaped()
    {
        QSet<QByteArray> seen;
        for (int k = 0; k < 5; ++k) {
            const QImage img = ButtonPictures::paint(2 * k);
            seen.insert(
                QByteArray(reinterpret_cast<const char*>(img.constBits()), int(img.sizeInBytes())));
        }
        QCOMPARE(seen.size(), 5);
        // Left triangle: the point is on the left, so its first glyph column is short.
        auto columnCount = [](const QImage& img, int x) {
            int n = 0;
            for (int y = 0; y < 16; ++y)
                n += img.pixel(x, y) == ButtonPictures::kGlyph;
            return n;
        };
        const QImage left = ButtonPictures::paint(ButtonPictures::kTriangleLeft);
        QVERIFY(columnCount(left, 2) < columnCount(left, 5));
        const QImage right = ButtonPictures::paint(ButtonPictures::kTriangleRight);
        QVERIFY(columnCount(right, 2) > columnCount(right, 5));
        // Out of range: a plain face, no glyph, and no read past the store.
        const QImage none = ButtonPictures::paint(10);
        QCOMPARE(none.pixel(3, 7), ButtonPictures::kFace);
    }

    void resetAssignsEveryButtonInTableOrder()
    {
        std::vector<Assignment> log;
        ButtonLooks colors(panelTable(), [&](std::size_t b, int p) { log.emplace_back(b, p); });
        colors.resetAll();
        QCOMPARE(log, (std::vector<Assignment>{{0, 8}, {1, 2}, {2, 4}, {3, 6}, {4, 0}}));
        // Again, although nothing changed: each assignment happens every time.
        log.clear();
        colors.resetAll();
        QCOMPARE(log.size(), std::size_t(5));
    }

    void hoverMovesTheHighlight()
    {
        ButtonLooks colors(panelTable(), {});
        colors.resetAll();
        const std::size_t view = colors.indexOf("imgView");
        const std::size_t change = colors.indexOf("imgChange");
        colors.hover(view);
        QCOMPARE(colors.look(view), 7);
        // Straight from imgView onto imgChange: the first goes back, the second lights up.
        colors.hover(change);
        QCOMPARE(colors.look(view), 6);
        QCOMPARE(colors.look(change), 9);
        int highlighted = 0;
        for (std::size_t i = 0; i < colors.table().size(); ++i)
            highlighted += colors.look(i) % 2;
        QCOMPARE(highlighted, 1);
        colors.resetAll(); // the pointer crossed a label
        QCOMPARE(colors.look(change), 8);
        colors.hover(colors.table().size()); // unknown row: nothing happens
        QCOMPARE(colors.look(change), 8);
    }

    void aloneHoverKeepsOtherHighlights()
    {
        ButtonLooks colors(listTable(), {});
        colors.resetAll();
        const std::size_t end = colors.indexOf("imgend");
        const std::size_t dw = colors.indexOf("imgDW");
        colors.hover(end);
        colors.hover(dw);
        QCOMPARE(colors.look(end), 3);
        QCOMPARE(colors.look(dw), 9);
        colors.hover(end); // a resetting hover clears imgDW again
        QCOMPARE(colors.look(dw), 8);
        QCOMPARE(colors.indexOf("nothing"), colors.table().size());
    }
};

QTEST_GUILESS_MAIN(TestButtonLooks)
#include "tst_buttonlooks.moc"
