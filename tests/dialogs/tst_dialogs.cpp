#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "dialogs/Ulocation.h"
#include "dialogs/Umonth.h"
#include "dialogs/Unumberedit.h"
#include "dialogs/Usetkanal.h"
#include "dialogs/Usummertime.h"
#include "operators/Coperator.h"
#include "operators/Fpassword.h"
#include "operators/Upassword.h"
#include "operators/Uusers.h"
#include "support/Crecordingmessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// The settings and operator dialogs, driven by their controls: what they
// store, what they refuse, and that a failed write keeps them open.
class TestDialogs : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TRecordingMessages messages;
    TSimClock clock{SecondsFromLocal({2026, 3, 10, 14, 0, 0})};
    TEnv env;
    std::unique_ptr<TConfig> config;

    QByteArray Key(const QByteArray& key) {
        return TIniFile(env.IniPath()).ReadString(IniSection, key, "<none>");
    }
    // A directory in place of the INI file: no write can succeed.
    void BlockIni() {
        QFile::remove(env.IniPath());
        QVERIFY(QDir().mkpath(env.IniPath()));
    }

private slots:
    void init() {
        QDir(env.IniPath()).removeRecursively();
        QFile::remove(env.IniPath());
        QFile::remove(dir.filePath("operator.dat"));
        env.dataDir = dir.path();
        env.clock = &clock;
        env.messages = &messages;
        messages.Clear();
        config = std::make_unique<TConfig>(env.IniPath());
        Config = config.get();
    }
    void cleanup() {
        Config = nullptr;
        config.reset();
    }

    void channelDialogStoresWithinItsRanges() {
        TfmSetKanal d(env, 3);
        QCOMPARE(d.windowTitle(), QString("Setting channel 3"));
        // A missing key: not in use, empty, zeros, "Schwarz / 1".
        QVERIFY(!d.chkActive->isChecked());
        QCOMPARE(d.edtInputMult->text(), QString("0"));
        QCOMPARE(d.cmbColor->currentText(), QString("Schwarz / 1"));
        d.chkActive->setChecked(true);
        QTest::keyClicks(d.edtName, "Temp, outside");
        QCOMPARE(d.edtName->text(), QString("Temp outside")); // no comma
        d.edtDimension->setText(QString::fromUtf8("°C"));
        d.edtDispOffset->setText("12345"); // still being typed when OK comes
        d.edtDecimals->setText("x");
        d.cmbColor->setCurrentText("Blau / 2");
        d.btnOk->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(Key("Kanal_3"), QByteArray("1,Temp outside,\xB0"
                                            "C,999,0,0,0,0,0,1,2,9"));
        QCOMPARE(config->channels[2].name, QByteArray("Temp outside")); // reloaded
    }

    void colourListWithoutASelection() {
        // Printer 3 names no entry; the choice 5 was valid before.
        QVERIFY(TIniFile(env.IniPath())
                    .WriteString(IniSection, "Kanal_1", "1,A,V,0,1,0,100,0,0,3,4,5"));
        TfmSetKanal d(env, 1);
        QCOMPARE(d.cmbColor->currentIndex(), -1);
        const ChannelDef c = d.Edited();
        QCOMPARE(c.colourChoice, uint8_t(5));
        QCOMPARE(c.printer, uint8_t(0));
        QCOMPARE(c.printColour, uint8_t(5));
    }

    void failedIniWriteKeepsTheDialogOpen() {
        config->location = "Alt";
        BlockIni();
        TfmLocation d(env);
        d.edtLocation->setText("Neu");
        d.btnOk->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(messages.Texts(), QStringList{CannotWriteText(env.IniPath())});
        QCOMPARE(config->location, QByteArray("Alt"));
        TfmSetKanal k(env, 1);
        k.btnOk->click();
        QCOMPARE(k.result(), int(QDialog::Rejected));
    }

    void smallDialogsRefuseAndStore() {
        TfmLocation location(env);
        QCOMPARE(location.edtLocation->maxLength(), 21);
        location.btnOk->click();
        QCOMPARE(messages.Texts(), QStringList{"Empty Betriebsort!"});
        location.edtLocation->setText(" ");
        location.btnOk->click();
        QCOMPARE(Key("Betriebsort"), QByteArray("")); // a blank is stored, read back trimmed

        TfmMonth month(env);
        month.btnOk->click();
        QCOMPARE(messages.Texts().last(), QString("Month not valid!"));
        month.edtMonth->setText("20");
        month.btnOk->click();
        QCOMPARE(Key("Datenerhaltzeitraum"), QByteArray("12"));
        QCOMPARE(config->retentionMonths, uint16_t(12));

        TfmSummerTime summer(env);
        summer.edtPeriod->setText("29.03/02-25.10/03");
        summer.btnOk->click();
        QCOMPARE(messages.Texts().last(), QString("Period not valid!"));
        summer.edtPeriod->setText("ab.cd/ef,gh.ij/kl");
        summer.btnOk->click();
        QCOMPARE(summer.result(), int(QDialog::Accepted));
        QCOMPARE(Key("SZ_2026"), QByteArray("ab.cd/ef,gh.ij/kl"));
        QCOMPARE(messages.shown.size(), 3);
    }

    // A slip that let one character more through was missed: the period is
    // exactly 17 characters long.
    void summerTimeDialogRefusesAnEighteenCharacterText() {
        TfmSummerTime summer(env);
        summer.edtPeriod->setText("29.03/02,25.10/030");
        summer.btnOk->click();
        QCOMPARE(messages.Texts(), QStringList{"Period not valid!"});
        QCOMPARE(summer.result(), int(QDialog::Rejected));
        QCOMPARE(Key("SZ_2026"), QByteArray("<none>"));
        summer.edtPeriod->setText("29.03/02,25.10/0");
        summer.btnOk->click();
        QCOMPARE(messages.Texts().size(), 2);
        QCOMPARE(Key("SZ_2026"), QByteArray("<none>"));
    }

    void usersDialogEditsTheList() {
        QVERIFY(WriteOperatorList(dir.filePath("operator.dat"), {TOperator::FromName("Anna")}));
        TfmUsers d(env);
        QCOMPARE(d.windowTitle(), QString("Operator - Managment"));
        QCOMPARE(d.edtName->text(), QString("Anna"));
        QCOMPARE(d.edtName->maxLength(), 15);
        d.btnAdd->click(); // the same name again
        d.edtName->setText("Bernd");
        d.btnAdd->click();
        d.lstOperators->setCurrentRow(0);
        d.btnDelete->click();
        QVERIFY(d.edtName->text().isEmpty());
        d.btnOk->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const TOperatorList list = ReadOperatorList(dir.filePath("operator.dat"));
        QCOMPARE(list.size(), size_t(2));
        QCOMPARE(list[0].Name(), QByteArray("Anna"));
        QCOMPARE(list[1].Name(), QByteArray("Bernd"));
    }

    void lostOperatorListKeepsTheDialogOpen() {
        QVERIFY(QDir().mkpath(dir.filePath("operator.dat/x")));
        TfmUsers d(env);
        d.edtName->setText("Anna");
        d.btnAdd->click();
        d.btnOk->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(messages.Texts(), QStringList{CannotWriteText(dir.filePath("operator.dat"))});
        QVERIFY(QDir(dir.filePath("operator.dat")).removeRecursively());
    }

    void passwordDialogChecksAndScrambles() {
        TfmPassword d(env);
        d.btnOk->click();
        QCOMPARE(messages.Texts(), QStringList{"Empty Password!"});
        d.edtPassword->setText("Geheim");
        d.edtConfirm->setText("Geheim ");
        d.btnOk->click();
        QCOMPARE(messages.Texts().last(), QString("Password not Confirm!"));
        QCOMPARE(Key("KennwortAdmin"), QByteArray("<none>"));
        d.cmbUser->setCurrentIndex(1);
        d.edtConfirm->setText("Geheim");
        d.btnOk->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(Key("KennwortAdmin"), ScramblePassword(PasswordKey, "Geheim"));
        QCOMPARE(Key("KennwortOperator"), QByteArray("<none>"));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
