#include "comm/Unotices.h"
#include "support/Crecordingmessages.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList LabelTexts(const QWidget& w) {
    QStringList texts;
    for (const QLabel* l : w.findChildren<QLabel*>())
        texts << l->text();
    return texts;
}

} // namespace

class TestNotices : public QObject {
    Q_OBJECT

private slots:
    void timeDiffWindow() {
        TfmTimeDiff notice;
        QCOMPARE(notice.windowTitle(), QString("ZEDA"));
        QCOMPARE(LabelTexts(notice),
                 QStringList({"The data were accepted by system of the account of data,",
                              "Date a difference of time is more than 30 days to date",
                              "PC is found out. The data do not gather!"}));
        QCOMPARE(notice.findChildren<QPushButton*>().size(), 1);
        QPushButton* ok = notice.findChild<QPushButton*>("btnOk");
        QVERIFY(ok);
        QCOMPARE(ok->text(), QString("&OK"));
        notice.show();
        QSignalSpy accepted(&notice, &QDialog::accepted);
        ok->click();
        QCOMPARE(accepted.size(), 1);
        QVERIFY(!notice.isVisible());
    }

    // The notice broke its one sentence over two lines, the second with a
    // leading blank.
    void disconnectNoticeIsOneLine() {
        TfmDisconnect notice;
        QCOMPARE(notice.windowTitle(), QString("ZEDA"));
        QCOMPARE(
            LabelTexts(notice),
            QStringList({"Now there is no connection with system of the account of the data!"}));
        QCOMPARE(notice.findChild<QPushButton*>("btnOk")->text(), QString("&OK"));
    }

    // The notice held the acquisition until somebody closed it. It stays
    // beside the work now, never twice, and goes away when the unit answers.
    void disconnectNoticeGoesAwayWhenTheUnitAnswersAgain() {
        const auto shown = [] {
            QList<TfmDisconnect*> notices;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* d = qobject_cast<TfmDisconnect*>(w);
                if (d && d->isVisible())
                    notices << d;
            }
            return notices;
        };
        TWindowNotices notices;
        notices.Disconnect(); // returns at once
        QCOMPARE(shown().size(), 1);
        QVERIFY(!shown().first()->isModal());
        QVERIFY(shown().first()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!shown().first()->testAttribute(Qt::WA_QuitOnClose));
        notices.Disconnect();
        QCOMPARE(shown().size(), 1);
        notices.Reconnected();
        QTRY_COMPARE(shown().size(), 0);
        notices.Reconnected(); // nothing shown: nothing to do
        notices.Disconnect();
        QCOMPARE(shown().size(), 1);
    }

    void noticesAsMessages() {
        TRecordingMessages messages;
        TMessageNotices notices(messages);
        notices.TimeDiff();
        notices.Disconnect();
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown[0].kind, TMessages::Information);
        QCOMPARE(messages.shown[0].text, TimeDiffLines().join('\n'));
        QCOMPARE(messages.shown[1].text,
                 QString("Now there is no connection with system of the account of the data!"));
    }
};

QTEST_MAIN(TestNotices)
#include "tst_notices.moc"
