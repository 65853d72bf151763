#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "operators/Fpassword.h"
#include "operators/Ulogin.h"
#include "support/Crecordingmessages.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

constexpr int Operator = 0;
constexpr int Administrator = 1;

QString Countdown(int n) {
    return QString("Remaining time within seconds: %1").arg(n);
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TRecordingMessages messages;
    TEnv env;

    void StorePassword(const QByteArray& key, const QByteArray& password) {
        TIniFile ini(env.IniPath());
        QVERIFY(ini.WriteString(IniSection, key, ScramblePassword(PasswordKey, password)));
    }

private slots:
    void init() {
        QFile::remove(env.IniPath());
        messages.Clear();
        env.dataDir = dir.path();
        env.messages = &messages;
    }

    void openState_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("start") << 0;
        QTest::newRow("close") << 1;
    }

    void openState() {
        QFETCH(int, mode);
        TfmLogin login(env, mode);
        QCOMPARE(login.windowTitle(), QString("Login"));
        QCOMPARE(login.cmbUser->count(), 2);
        QCOMPARE(login.cmbUser->itemText(0), QString("Operator"));
        QCOMPARE(login.cmbUser->itemText(1), QString("Administrator"));
        QCOMPARE(login.cmbUser->currentIndex(), Operator);
        QCOMPARE(login.edtPassword->isEnabled(), mode == 1);
        QCOMPARE(login.edtPassword->echoMode(), QLineEdit::Password);
        QCOMPARE(login.lblMessage->text(), Countdown(30));
        QCOMPARE(login.btnOk->text(), QString("&Ok"));
        QVERIFY(login.btnOk->isDefault());
        QCOMPARE(login.btnCancel->text(), QString("&Cancel"));
        QCOMPARE(login.Timer1->interval(), 1000);
        QVERIFY(login.Timer1->isActive());
        for (const char* name : {"cmbUser", "edtPassword", "lblMessage", "btnOk", "btnCancel"})
            QVERIFY2(login.findChild<QWidget*>(name), name);
    }

    void countdownEndsOn31stTick_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("user");
        QTest::addColumn<int>("result");
        QTest::newRow("operator, start") << 0 << Operator << int(QDialog::Accepted);
        // Waiting never closes the program.
        QTest::newRow("operator, close, cancels") << 1 << Operator << int(QDialog::Rejected);
        // A start goes on at the operator level whatever is chosen.
        QTest::newRow("administrator, start") << 0 << Administrator << int(QDialog::Accepted);
        QTest::newRow("administrator, close") << 1 << Administrator << int(QDialog::Rejected);
    }

    void countdownEndsOn31stTick() {
        QFETCH(int, mode);
        QFETCH(int, user);
        QFETCH(int, result);
        StorePassword("KennwortOperator", "secret");
        TfmLogin login(env, mode);
        login.cmbUser->setCurrentIndex(user);
        login.show();
        QSignalSpy finished(&login, &QDialog::finished);
        QStringList shown;
        for (int tick = 1; tick <= 30; ++tick) {
            login.Timer1Timer();
            shown << login.lblMessage->text();
        }
        QCOMPARE(shown.first(), Countdown(30));
        QCOMPARE(shown[1], Countdown(29));
        QCOMPARE(shown.last(), Countdown(1));
        QCOMPARE(finished.size(), 0);
        login.Timer1Timer();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(login.result(), result);
        if (result == QDialog::Accepted)
            QCOMPARE(login.Level(), 1);
        QVERIFY(!login.Timer1->isActive());
        QVERIFY(messages.shown.isEmpty());
    }

    // Someone who chose "Administrator" and hesitated used to lose the whole
    // program, and with it the acquisition. Now every key starts the
    // countdown again, and its end starts the program at the operator level.
    void startupLoginExpiryStartsAtOperatorLevel() {
        StorePassword("KennwortAdmin", "Geheim");
        TfmLogin login(env, 0);
        QCOMPARE(login.lblExpiry->text(),
                 QString("When the time runs out, ZEDA starts at the operator level."));
        login.show();
        QSignalSpy finished(&login, &QDialog::finished);
        login.cmbUser->setCurrentIndex(Administrator);
        for (int tick = 0; tick < 25; ++tick)
            login.Timer1Timer();
        QCOMPARE(login.lblMessage->text(), Countdown(6));
        QTest::keyClicks(login.edtPassword, "Ge");
        QCOMPARE(login.lblMessage->text(), Countdown(30));
        for (int tick = 0; tick < 30; ++tick)
            login.Timer1Timer();
        QCOMPARE(finished.size(), 0);
        QCOMPARE(login.lblMessage->text(), Countdown(1));
        login.Timer1Timer();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(login.result(), int(QDialog::Accepted));
        QCOMPARE(login.Level(), 1);
        QCOMPARE(login.edtPassword->text(), QString()); // nothing typed is kept
        QVERIFY(messages.shown.isEmpty());
    }

    // A wrong password at start gives the typist time again as well.
    void wrongPasswordAtStartRestartsTheCountdown() {
        StorePassword("KennwortAdmin", "Geheim");
        TfmLogin login(env, 0);
        login.cmbUser->setCurrentIndex(Administrator);
        for (int tick = 0; tick < 10; ++tick)
            login.Timer1Timer();
        login.edtPassword->setText("x");
        login.btnOk->click();
        QCOMPARE(login.lblMessage->text(), Countdown(30));
        QCOMPARE(messages.shown.size(), 1);
    }

    // A character without a byte of the code page became '?' before it was
    // compared, so any six such letters matched a stored "??????".
    void passwordOutsideCodePageIsRefused() {
        StorePassword("KennwortAdmin", "??????");
        TfmLogin login(env, 0);
        login.cmbUser->setCurrentIndex(Administrator);
        login.edtPassword->setText(QString::fromUtf8("Пароль"));
        login.show();
        QSignalSpy finished(&login, &QDialog::finished);
        login.btnOk->click();
        QCOMPARE(finished.size(), 0);
        QCOMPARE(messages.Texts(), QStringList{"The password is not true!"});
        login.edtPassword->setText("??????");
        login.btnOk->click();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(login.Level(), 2);
    }

    void closePasswordCannotBeBypassedByWaiting() {
        TfmLogin login(env, 1);
        login.show();
        for (int tick = 0; tick < 20; ++tick)
            login.Timer1Timer();
        QCOMPARE(login.lblMessage->text(), Countdown(11));
        // Someone typing starts the countdown again.
        QTest::keyClick(login.edtPassword, 'x');
        QCOMPARE(login.lblMessage->text(), Countdown(30));
        QSignalSpy finished(&login, &QDialog::finished);
        for (int tick = 0; tick < 31; ++tick)
            login.Timer1Timer();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(login.result(), int(QDialog::Rejected));
    }

    void passwordCheck_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("user");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("admin, none stored, empty")
            << 0 << Administrator << QByteArray() << "" << true;
        QTest::newRow("admin, none stored, typed")
            << 0 << Administrator << QByteArray() << "x" << false;
        QTest::newRow("admin, right")
            << 0 << Administrator << QByteArray("Geheim") << "Geheim" << true;
        QTest::newRow("admin, case differs")
            << 0 << Administrator << QByteArray("Geheim") << "geheim" << false;
        QTest::newRow("admin, 8-bit password") << 1 << Administrator
                                               << QByteArray("M\xFC"
                                                             "ller\x80")
                                               << "M\u00FCller\u20AC" << true;
        QTest::newRow("operator, close, right")
            << 1 << Operator << QByteArray("op1") << "op1" << true;
        QTest::newRow("operator, close, wrong")
            << 1 << Operator << QByteArray("op1") << "op2" << false;
        QTest::newRow("operator, close, none stored")
            << 1 << Operator << QByteArray() << "" << true;
    }

    void passwordCheck() {
        QFETCH(int, mode);
        QFETCH(int, user);
        QFETCH(QByteArray, stored);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        const QByteArray key = user == Administrator ? "KennwortAdmin" : "KennwortOperator";
        if (!stored.isEmpty())
            StorePassword(key, stored);
        TfmLogin login(env, mode);
        login.cmbUser->setCurrentIndex(user);
        login.edtPassword->setText(typed);
        login.show();
        QSignalSpy finished(&login, &QDialog::finished);
        login.Timer1Timer();
        login.btnOk->click();
        if (accepted) {
            QCOMPARE(finished.size(), 1);
            QCOMPARE(login.result(), int(QDialog::Accepted));
            QVERIFY(messages.shown.isEmpty());
        } else {
            QCOMPARE(finished.size(), 0);
            QVERIFY(login.isVisible());
            QCOMPARE(messages.shown.size(), 1);
            QCOMPARE(messages.shown[0].kind, TMessages::Warning);
            QCOMPARE(messages.shown[0].text, QString("The password is not true!"));
            // The countdown starts again: the typist gets time.
            login.Timer1Timer();
            QCOMPARE(login.lblMessage->text(), Countdown(30));
        }
    }

    void operatorAtStartNeedsNoPassword() {
        StorePassword("KennwortOperator", "op1");
        TfmLogin login(env, 0);
        login.show();
        QSignalSpy finished(&login, &QDialog::finished);
        login.btnOk->click();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(login.result(), int(QDialog::Accepted));
        QCOMPARE(login.Level(), 1);
        QVERIFY(messages.shown.isEmpty());
    }

    void cancel() {
        TfmLogin login(env, 0);
        login.show();
        login.btnCancel->click();
        QCOMPARE(login.result(), int(QDialog::Rejected));
        QVERIFY(!login.isVisible());
    }

    void switchingUserEmptiesPassword_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("start") << 0;
        QTest::newRow("close") << 1;
    }

    void switchingUserEmptiesPassword() {
        QFETCH(int, mode);
        TfmLogin login(env, mode);
        login.cmbUser->setCurrentIndex(Administrator);
        QVERIFY(login.edtPassword->isEnabled());
        login.edtPassword->setText("typed");
        login.cmbUser->setCurrentIndex(Operator);
        QCOMPARE(login.edtPassword->isEnabled(), mode == 1);
        QCOMPARE(login.edtPassword->text(), QString());
        QCOMPARE(login.Level(), 1);
    }

    void runLoginReturnsLevel_data() {
        QTest::addColumn<int>("user");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("level");
        QTest::newRow("operator") << Operator << true << 1;
        QTest::newRow("administrator") << Administrator << true << 2;
        QTest::newRow("cancelled") << Administrator << false << 0;
    }

    // RunLogin shows the dialog modally; a zero timer answers it from
    // inside its event loop.
    void runLoginReturnsLevel() {
        QFETCH(int, user);
        QFETCH(bool, ok);
        QFETCH(int, level);
        bool answered = false;
        QTimer::singleShot(0, this, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* login = qobject_cast<TfmLogin*>(w);
                if (!login || !login->isVisible())
                    continue;
                login->cmbUser->setCurrentIndex(user);
                (ok ? login->btnOk : login->btnCancel)->click();
                answered = true;
            }
        });
        QCOMPARE(RunLogin(env, 0), level);
        QVERIFY(answered);
    }
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
