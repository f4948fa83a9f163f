// Buttons with long captions, pictures, frames and timers.

#include "sample_form.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace olm::testing {
namespace {

class PictureControl : public SampleFormTest {};

TEST_F(PictureControl, ALongButtonCaptionBreaksAtItsBlanks) {
    platform::Button narrow(form(), {0, 0, 70, 40}, "Imagine     fisa");
    EXPECT_EQ("Imagine     fisa", narrow.caption());
    EXPECT_EQ(QString("Imagine\nfisa"), narrow.pushButton()->text());

    narrow.setGeometry({0, 0, 400, 40});
    EXPECT_EQ(QString("Imagine     fisa"), narrow.pushButton()->text()) << "room enough: one line";

    narrow.setGeometry({0, 0, 70, 40});
    narrow.setWordWrap(false);
    EXPECT_EQ(QString("Imagine     fisa"), narrow.pushButton()->text());

    platform::Button keyed(form(), {0, 0, 300, 30}, "Date identificare &angajat");
    EXPECT_EQ(QString("Date identificare &angajat"), keyed.pushButton()->text());

    // A stacked caption breaks at every run of blanks, however wide the button.
    platform::Button column(form(), {0, 0, 400, 300}, "Prelua-  re si   V     E  fisiere   . TXT");
    column.setStackedCaption(true);
    EXPECT_EQ(QString("Prelua-\nre si\nV\nE\nfisiere\n. TXT"), column.pushButton()->text());
    EXPECT_EQ("Prelua-  re si   V     E  fisiere   . TXT", column.caption());
}

TEST_F(PictureControl, APictureDrawsItsImageAndWhatItsHandlerPaints) {
    platform::Picture picture(form(), {0, 0, 40, 30});
    EXPECT_FALSE(picture.loadPicture("missing.ico"));
    EXPECT_FALSE(picture.hasPicture());

    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save("calc.png"));
    ASSERT_TRUE(picture.loadPicture("calc.png"));
    EXPECT_TRUE(picture.hasPicture());

    QRect painted;
    picture.onPaint([&](QPainter& p, const QRect& r) {
        painted = r;
        p.fillRect(QRect(20, 0, 20, 30), Qt::blue);
    });
    const QImage shot = picture.widget()->grab().toImage();
    EXPECT_EQ(QRect(0, 0, 40, 30), painted);
    EXPECT_EQ(QColor(Qt::red), shot.pixelColor(5, 5));
    EXPECT_EQ(QColor(Qt::blue), shot.pixelColor(30, 5));

    int clicks = 0;
    picture.onClick([&] { ++clicks; });
    click(picture);
    EXPECT_EQ(1, clicks);
}

TEST_F(PictureControl, AFrameShowsHidesAndDisablesWhatItHolds) {
    SampleForm& f = form();
    f.group.setEnabled(false);
    EXPECT_FALSE(f.one.widget()->isEnabled());
    EXPECT_FALSE(f.one.canTakeFocus());
    f.group.setEnabled(true);
    f.group.setVisible(false);
    EXPECT_FALSE(f.two.widget()->isVisible());
    f.group.setVisible(true);
    EXPECT_TRUE(f.two.widget()->isVisible());
    EXPECT_EQ("Group", f.group.caption());
    EXPECT_EQ(f.group.widget(), f.one.widget()->parentWidget());
}

TEST_F(PictureControl, ATimerTicksWhileEnabledAndStopsWithItsForm) {
    platform::Timer timer(form(), 5);
    int ticks = 0;
    timer.onTick([&] { ++ticks; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 2000));

    timer.setEnabled(false);
    const int stopped = ticks;
    QTest::qWait(30);
    EXPECT_EQ(stopped, ticks);

    timer.setEnabled(true);
    timer.setInterval(0);
    QTest::qWait(30);
    EXPECT_EQ(stopped, ticks) << "an interval of 0 stops it";

    timer.setInterval(5);
    SampleForm::unload();
    QTest::qWait(30);
    EXPECT_EQ(stopped, ticks) << "the form is unloaded";
}

} // namespace
} // namespace olm::testing
