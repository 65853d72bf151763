#include "Fviewtestsupport.h"

#include "view/Cdiagram.h"
#include "view/Cviewbase.h"
#include "view/Uchildbase.h"
#include "view/Uplotwidgets.h"

#include <QMdiArea>
#include <QScrollBar>
#include <QTest>

namespace {

// What the plot area shows now, painted as the screen paints it.
QImage Shot(TfmChildBase* w) {
    QImage image(w->pw->size(), QImage::Format_RGB32);
    w->pw->render(&image);
    return image;
}

// What painting from scratch shows at the same place: no kept picture of
// any kind.
QImage FreshShot(TfmChildBase* w) {
    w->View()->diagram->keepSpanImage = false;
    const QImage image = Shot(w);
    w->View()->diagram->keepSpanImage = true;
    return image;
}

} // namespace

class TestPlotPictures : public QObject {
    Q_OBJECT

    std::unique_ptr<TViewFixture> fx;
    std::unique_ptr<QMdiArea> area;
    QString FPath;

    TfmChildData* OpenWindow() {
        auto* w = new TfmChildData(fx->env, FPath);
        area->addSubWindow(w);
        w->resize(900, 500);
        w->show();
        area->setActiveSubWindow(w);
        return w;
    }
    // A page on from where the window stands.
    static void PageOn(TfmChildBase* w, int pages = 1) {
        w->sb->SetHorzPosition(w->sb->HorzPosition() + pages * w->sb->ClientWidth());
    }

private slots:
    void init() {
        fx = std::make_unique<TViewFixture>();
        area = std::make_unique<QMdiArea>();
        area->resize(1200, 800);
        area->show();
        QVERIFY(QTest::qWaitForWindowExposed(area.get()));
        MonthDocument d;
        FillNoisyMonth(d, 10 * SlotsPerDay);
        FPath = fx->WriteMonth(d);
    }
    void cleanup() {
        area.reset();
        fx.reset();
    }

    void zooms_data() {
        QTest::addColumn<int>("zoom");
        for (int z : {-20, -5, -2, 1, 3})
            QTest::newRow(QByteArray("1:" + QByteArray::number(z)).constData()) << z;
    }

    // A page scroll shows the picture painted beforehand, and it holds the
    // pixels painting there from scratch gives: on, back, and on to the
    // end, where the last page is shorter than a page.
    void pagePicturesShowWhatPaintingThereShows_data() { zooms_data(); }
    void pagePicturesShowWhatPaintingThereShows() {
        QFETCH(int, zoom);
        TfmChildData* w = OpenWindow();
        w->ApplyTimeZoom(zoom);
        Shot(w);
        QVERIFY(w->PreparePictures() > 0);
        QVERIFY(Shot(w) == FreshShot(w));
        const int end = w->sb->horizontalScrollBar()->maximum();
        for (int pages : {1, -1, 1, 1, 1, 1, 1, 1, 1, 1}) {
            if (w->sb->HorzPosition() == end)
                break;
            w->PreparePictures();
            const int shown = w->PicturesShown();
            PageOn(w, pages);
            const QImage picture = Shot(w);
            QCOMPARE(w->PicturesShown(), shown + 1);
            QVERIFY(picture == FreshShot(w));
        }
        // The compressed zooms reach the short last page.
        if (zoom == -5 || zoom == -2)
            QCOMPARE(w->sb->HorzPosition(), end);
    }

    // Whatever changes what the plot area shows lets the pictures go: a
    // page scroll afterwards shows the change, not the page as it was.
    void changesReachThePagesPaintedBefore_data() {
        QTest::addColumn<int>("change");
        QTest::newRow("a channel hidden") << 0;
        QTest::newRow("value zoom") << 1;
        QTest::newRow("background") << 2;
        QTest::newRow("a mark on the next page") << 3;
        QTest::newRow("time zoom") << 4;
    }
    void changesReachThePagesPaintedBefore() {
        QFETCH(int, change);
        TfmChildData* w = OpenWindow();
        w->ApplyTimeZoom(-2);
        Shot(w);
        QVERIFY(w->PreparePictures() > 0);
        const QImage before = [&] {
            PageOn(w);
            const QImage image = Shot(w);
            w->sb->SetHorzPosition(0);
            Shot(w);
            return image;
        }();
        w->PreparePictures();
        QCOMPARE(w->PicturesKept(), 2);
        const int x = w->sb->ClientWidth() + 40;
        switch (change) {
        case 0:
            w->ShowChannel(4, false);
            break;
        case 1:
            w->ApplyValueZoom(2);
            break;
        case 2:
            w->SetBackgroundColour(0xC0C0C0);
            break;
        case 3:
            w->pwMouseDown(Qt::RightButton, x);
            w->pwMouseUp(Qt::LeftButton, x);
            w->pwMouseUp(Qt::RightButton, x);
            break;
        default:
            w->ApplyTimeZoom(-3);
            break;
        }
        QCOMPARE(w->PicturesKept(), 0);
        PageOn(w);
        const QImage after = Shot(w);
        QVERIFY(after != before);
        QVERIFY(after == FreshShot(w));
    }

    // Only the window in use keeps pictures of its pages.
    void aWindowNotInUseLetsItsPicturesGo() {
        TfmChildData* first = OpenWindow();
        Shot(first);
        QVERIFY(first->PreparePictures() > 0);
        QVERIFY(first->PicturesKept() >= 2);
        TfmChildData* second = OpenWindow();
        QCOMPARE(area->activeSubWindow(), second);
        QCOMPARE(first->PicturesKept(), 0);
        QCOMPARE(first->PreparePictures(), 0);
    }
};

QTEST_MAIN(TestPlotPictures)
#include "tst_plotpictures.moc"
