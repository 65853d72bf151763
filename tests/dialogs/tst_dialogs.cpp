#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Ctablecolor.h"
#include "dialogs/Uexceptions.h"
#include "dialogs/Ulocation.h"
#include "dialogs/Umonth.h"
#include "dialogs/Unumberedit.h"
#include "dialogs/Usetkanal.h"
#include "dialogs/Usummertime.h"
#include "operators/Coperator.h"
#include "operators/Fpassword.h"
#include "operators/Upassword.h"
#include "operators/Uusers.h"
#include "support/Cfilesizelimit.h"
#include "support/Crecordingmessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

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
    static bool WriteFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    static QByteArray ReadAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
        QFile::remove(dir.filePath("AUSNAHME.LST"));
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
        QCOMPARE(d.cmbColor->currentText(), QString::fromUtf8("Black — printer 1"));
        d.chkActive->setChecked(true);
        d.edtMax->setText("100");
        QTest::keyClicks(d.edtName, "Temp, outside");
        QCOMPARE(d.edtName->text(), QString("Temp outside")); // no comma
        d.edtDimension->setText(QString::fromUtf8("°C"));
        d.edtDispOffset->setText("999");
        d.cmbColor->setCurrentIndex(9);
        QCOMPARE(d.cmbColor->currentText(), QString::fromUtf8("Navy — printer 2"));
        QVERIFY(!d.cmbColor->itemIcon(9).isNull()); // a swatch of the colour
        d.btnOk->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(Key("Kanal_3"), QByteArray("1,Temp outside,\xB0"
                                            "C,999,0,0,100,0,0,1,2,9"));
        QCOMPARE(config->channels[2].name, QByteArray("Temp outside")); // reloaded
    }

    // "-10" or "12345" became 0 or the limit when the field was left, with
    // no hint of what is allowed.
    void outOfRangeFieldIsRefusedWithItsRange() {
        TfmSetKanal d(env, 3);
        QCOMPARE(d.edtDispOffset->toolTip(), QString::fromUtf8("Whole number, 0 … 999"));
        QCOMPARE(d.edtDispOffset->placeholderText(), d.edtDispOffset->toolTip());
        d.edtDispOffset->setText("12345");
        d.edtDecimals->setText("x");
        d.btnOk->click();
        QCOMPARE(messages.Texts(), QStringList{"Offset: enter a whole number from 0 to 999."});
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(Key("Kanal_3"), QByteArray("<none>"));
        QCOMPARE(d.edtDispOffset->text(), QString("12345")); // kept as typed
        d.edtDispOffset->setText("-10");
        d.btnOk->click();
        QCOMPARE(messages.Texts().last(), QString("Offset: enter a whole number from 0 to 999."));
        d.edtDispOffset->setText("10");
        d.btnOk->click();
        QCOMPARE(messages.Texts().last(), QString("Decimal: enter a whole number from 0 to 9."));
        d.edtDecimals->setText("2");
        d.edtMax->setText("1");
        d.btnOk->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(messages.Texts().size(), 3);
    }

    // "Maximal value 10" with 2 decimals is 0.10 on screen.
    void channelDialogShowsTheRangeOnScreen() {
        TfmSetKanal d(env, 1);
        d.edtDimension->setText("bar");
        d.edtMax->setText("10");
        d.edtDecimals->setText("2");
        QCOMPARE(d.lblShown->text(), QString::fromUtf8("Shown range 0.00 … 0.10 bar"));
        d.edtDecimals->setText("0");
        d.edtMin->setText("5");
        QCOMPARE(d.lblShown->text(), QString::fromUtf8("Shown range 5 … 10 bar"));
        QCOMPARE(ShownRangeText(-1250, 999999, 3, ""),
                 QString::fromUtf8("Shown range -1.250 … 999.999"));
        QCOMPARE(d.edtName->maxLength(), 20);
        QCOMPARE(d.edtDimension->maxLength(), 8);
        QCOMPARE(d.findChild<QLabel*>("edtDimensionLeft")->text(), QString("5 characters left"));
        QCOMPARE(d.findChild<QLabel*>("edtNameLeft")->text(), QString("20 characters left"));
        QCOMPARE(ColourEntryCaption(13), QString::fromUtf8("Green — printer 2"));
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

    // "Violett — printer 1" drew cyan, "Orange" magenta, "Schwarz — printer 2"
    // grey, "Gelb — printer 2" olive.
    void colourCaptionsNameTheColourDrawn_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("drawn");
        const struct {
            const char* caption;
            QRgb rgb;
        } rows[] = {{"Black — printer 1", 0x000000},  {"Red — printer 1", 0xFF0000},
                    {"Blue — printer 1", 0x0000FF},   {"Aqua — printer 1", 0x00FFFF},
                    {"Yellow — printer 1", 0xFFFF00}, {"Magenta — printer 1", 0xFF00FF},
                    {"Lime — printer 1", 0x00FF00},   {"Grey — printer 2", 0x808080},
                    {"Maroon — printer 2", 0x800000}, {"Navy — printer 2", 0x000080},
                    {"Teal — printer 2", 0x008080},   {"Olive — printer 2", 0x808000},
                    {"Purple — printer 2", 0x800080}, {"Green — printer 2", 0x008000}};
        for (int i = 0; i < 14; ++i)
            QTest::newRow(rows[i].caption)
                << i << QString::fromUtf8(rows[i].caption) << QColor(rows[i].rgb);
    }
    void colourCaptionsNameTheColourDrawn() {
        QFETCH(int, entry);
        QFETCH(QString, caption);
        QFETCH(QColor, drawn);
        TfmSetKanal d(env, 1);
        QCOMPARE(d.cmbColor->itemText(entry), caption);
        QCOMPARE(ColourToQColor(TTableColor().Color(entry)), drawn);
        const QImage swatch = d.cmbColor->itemIcon(entry).pixmap(16, 16).toImage();
        QCOMPARE(QColor(swatch.pixel(8, 8)), drawn);
        // The stored numbers stay: the entry is the colour choice.
        d.cmbColor->setCurrentIndex(entry);
        QCOMPARE(int(d.Edited().colourChoice), entry);
        QCOMPARE(int(d.Edited().printer), entry / 7);
    }

    // "Shown range 6.00 … 5.00 bar" was stored.
    void minimumAboveMaximumIsRefused_data() {
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<bool>("stored");
        QTest::newRow("above") << "600" << "500" << false;
        QTest::newRow("equal") << "500" << "500" << false;
        QTest::newRow("both zero") << "0" << "0" << false;
        QTest::newRow("below") << "499" << "500" << true;
    }
    void minimumAboveMaximumIsRefused() {
        QFETCH(QString, minimum);
        QFETCH(QString, maximum);
        QFETCH(bool, stored);
        TfmSetKanal d(env, 2);
        d.edtMin->setText(minimum);
        d.edtMax->setText(maximum);
        d.btnOk->click();
        QCOMPARE(d.result(), int(stored ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(Key("Kanal_2") != "<none>", stored);
        QCOMPARE(messages.Texts(),
                 stored ? QStringList()
                        : QStringList{"\"Minimal value\" must be less than \"Maximal value\"."});
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
        k.edtMax->setText("1");
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

        QCOMPARE(location.lblLeft->text(), QString("20 characters left"));

        TfmMonth month(env);
        QCOMPARE(month.edtMonth->suffix(), QString(" months"));
        QCOMPARE(month.edtMonth->maximum(), 12);
        // 0 keeps every month file: a choice, not a fault.
        month.btnOk->click();
        QCOMPARE(Key("Datenerhaltzeitraum"), QByteArray("0"));
        QCOMPARE(month.result(), int(QDialog::Accepted));
        month.edtMonth->setValue(20); // a spin box takes nothing beyond its range
        QCOMPARE(month.edtMonth->value(), 12);
        month.btnOk->click();
        QCOMPARE(Key("Datenerhaltzeitraum"), QByteArray("12"));
        QCOMPARE(config->retentionMonths, uint16_t(12));

        TfmSummerTime summer(env);
        summer.edtPeriod->setText("29.03/02-25.10/03");
        summer.btnOk->click();
        QCOMPARE(messages.Texts().last(), QString("Period not valid!"));
        summer.edtPeriod->setText("29.03/02,25.10/03");
        summer.btnOk->click();
        QCOMPARE(summer.result(), int(QDialog::Accepted));
        QCOMPARE(Key("SZ_2026"), QByteArray("29.03/02,25.10/03"));
        QCOMPARE(messages.shown.size(), 2);
    }

    void summerTimePickersMakeAndReadTheRuleText() {
        {
            TfmSummerTime proposal(env); // nothing stored: the last Sundays
            QCOMPARE(proposal.edtPeriod->text(), QString("29.03/02,25.10/03"));
        }
        QVERIFY(TIniFile(env.IniPath()).WriteString(IniSection, "SZ_2026", "30.03/02,26.10/03"));
        TfmSummerTime summer(env);
        QCOMPARE(summer.dtpStart->date(), QDate(2026, 3, 30));
        QCOMPARE(summer.edtStartHour->value(), 2);
        QCOMPARE(summer.dtpEnd->date(), QDate(2026, 10, 26));
        summer.edtEndHour->setValue(4);
        summer.dtpStart->setDate(QDate(2026, 4, 5));
        QCOMPARE(summer.edtPeriod->text(), QString("05.04/02,26.10/04"));
        QTest::keyClick(summer.edtPeriod, Qt::Key_Backspace);
        QTest::keyClick(summer.edtPeriod, '5');
        QCOMPARE(summer.edtEndHour->value(), 5); // typed text sets the pickers
        summer.btnOk->click();
        QCOMPARE(summer.result(), int(QDialog::Accepted));
        QCOMPARE(Key("SZ_2026"), QByteArray("05.04/02,26.10/05"));
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

    // A slip that keeps the separators was stored and silently turned
    // summer time off for the year.
    void summerTimeTextWithLettersOrImpossibleDatesIsRefused() {
        TfmSummerTime summer(env);
        for (const char* text : {"ab.cd/ef,gh.ij/kl", "2g.03/02,25.10/03", "30.02/02,25.10/03",
                                 "29.13/02,25.10/03", "29.03/24,25.10/03", "00.03/02,25.10/03"}) {
            summer.edtPeriod->setText(text);
            summer.btnOk->click();
            QCOMPARE(messages.Texts().last(), QString("Period not valid!"));
            QCOMPARE(Key("SZ_2026"), QByteArray("<none>"));
        }
        QCOMPARE(messages.Texts().size(), 6);
        summer.edtPeriod->setText("31.03/00,31.10/23");
        summer.btnOk->click();
        QCOMPARE(Key("SZ_2026"), QByteArray("31.03/00,31.10/23"));
    }

    void usersDialogEditsTheList() {
        QVERIFY(WriteOperatorList(dir.filePath("operator.dat"), {TOperator::FromName("Anna")}));
        TfmUsers d(env);
        QCOMPARE(d.windowTitle(), QString("Operator - Managment"));
        QCOMPARE(d.edtName->text(), QString("Anna"));
        QCOMPARE(d.edtName->maxLength(), 15);
        QCOMPARE(d.lblLeft->text(), QString("11 characters left"));
        d.btnAdd->click(); // the same name again
        QCOMPARE(messages.Texts(), QStringList{"This name is already in the list."});
        d.edtName->setText(" Bernd ");
        d.btnAdd->click();
        QCOMPARE(d.edtName->text(), QString()); // a second press adds nothing
        QCOMPARE(d.lblLeft->text(), QString("15 characters left"));
        d.btnAdd->click();
        QCOMPARE(messages.Texts().last(), QString("Type a name first."));
        QCOMPARE(d.lstOperators->count(), 2);
        d.lstOperators->setCurrentRow(0);
        d.btnDelete->click();
        QVERIFY(d.edtName->text().isEmpty());
        d.btnOk->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const TOperatorList list = ReadOperatorList(dir.filePath("operator.dat"));
        QCOMPARE(list.size(), size_t(1));
        QCOMPARE(list[0].Name(), QByteArray("Bernd"));
    }

    void unreadableOperatorListIsNeverWrittenBack() {
        const QString path = dir.filePath("operator.dat");
        const QByteArray huge(1024 * 1024 + 16, 'A');
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(huge) == huge.size());
        }
        TfmUsers d(env);
        QCOMPARE(messages.Texts(), QStringList{UnreadableOperatorListText(path)});
        QVERIFY(!d.btnOk->isEnabled());
        QVERIFY(!d.btnAdd->isEnabled());
        d.edtName->setText("Anna");
        d.btnAddClick();
        d.btnOkClick();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), huge);
    }

    void lostOperatorListKeepsTheDialogOpen() {
        TfmUsers d(env);
        d.edtName->setText("Anna");
        d.btnAdd->click();
        {
            TFileSizeLimit limit(4);
            QVERIFY(limit.Active());
            d.btnOk->click();
        }
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(messages.Texts(), QStringList{CannotWriteText(dir.filePath("operator.dat"))});
        QVERIFY(!QFile::exists(dir.filePath("operator.dat")));
    }

    void passwordOutsideCodePageIsRefused() {
        TfmPassword d(env);
        d.cmbUser->setCurrentIndex(1);
        d.edtPassword->setText(QString::fromUtf8("Пароль"));
        d.edtConfirm->setText(QString::fromUtf8("Пароль"));
        d.btnOk->click();
        QCOMPARE(messages.Texts(),
                 QStringList{"A password can only use letters, digits and signs of Western "
                             "European languages."});
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(Key("KennwortAdmin"), QByteArray("<none>"));
    }

    void exceptionDialogEditsTheList() {
        QVERIFY(WriteFile(dir.filePath("AUSNAHME.LST"), "WART Wartung\r\n!NOTE Hinweis\r\n"));
        TfmExceptions d(env);
        QCOMPARE(d.lstEntries->topLevelItemCount(), 2);
        QCOMPARE(d.lstEntries->topLevelItem(1)->text(0), QString("!NOT")); // the stored code
        QCOMPARE(d.lstEntries->topLevelItem(1)->text(1), QString("NOTE Hinweis"));
        QCOMPARE(d.lstEntries->topLevelItem(1)->checkState(2), Qt::Checked);
        QCOMPARE(d.edtText->text(), QString("WART Wartung"));
        QCOMPARE(d.lblLeft->text(), QString("58 characters left; 2 of 30 descriptions"));
        d.chkNoteOnly->setChecked(true);
        QCOMPARE(d.edtText->maxLength(), 69);
        d.edtText->setText(QString::fromUtf8("STÖR Störung"));
        d.btnAdd->click();
        QCOMPARE(d.edtText->text(), QString()); // a second press adds nothing
        d.btnAdd->click();
        QCOMPARE(messages.Texts(), QStringList{"Type a description first."});
        d.lstEntries->setCurrentItem(d.lstEntries->topLevelItem(2));
        d.btnUp->click();
        d.btnUp->click();
        QCOMPARE(d.lstEntries->currentItem()->text(0), QString::fromUtf8("!STÖ"));
        // A new code: the periods that carry the old one keep it.
        d.lstEntries->setCurrentItem(d.lstEntries->topLevelItem(1));
        d.edtText->setText("WRT2 Wartung");
        d.chkNoteOnly->setChecked(false);
        d.btnChange->click();
        QCOMPARE(messages.Texts().last(),
                 QString("Periods already set with the code \"WART\" keep their code."));
        d.lstEntries->setCurrentItem(d.lstEntries->topLevelItem(2));
        d.btnDelete->click();
        QCOMPARE(messages.Texts().last(),
                 QString("Periods already set with the code \"!NOT\" keep their code."));
        d.edtText->setText(QString::fromUtf8("Пауза"));
        d.btnAdd->click();
        QCOMPARE(messages.Texts().last(),
                 QString("A description can only use letters, digits and signs of Western "
                         "European languages."));
        QCOMPARE(messages.Texts().size(), 4);
        d.btnOk->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(ReadAll(dir.filePath("AUSNAHME.LST")),
                 QByteArray("!ST\xD6R St\xF6rung\r\nWRT2 Wartung\r\n")); // its line ends kept
    }

    void exceptionDialogStopsAtThirtyEntries() {
        QByteArray full;
        for (int i = 0; i < 30; ++i)
            full += "E" + QByteArray::number(i) + "\n";
        QVERIFY(WriteFile(dir.filePath("AUSNAHME.LST"), full));
        TfmExceptions d(env);
        d.edtText->setText("NEU");
        d.btnAdd->click();
        QCOMPARE(messages.Texts(), QStringList{"The list holds at most 30 descriptions."});
        QCOMPARE(d.Entries().size(), size_t(30));
    }

    // "Пётр" was stored as "????" without a word.
    void textOutsideTheCodePageIsRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refused");
        QTest::newRow("Latin-1, euro, quotes") << QString::fromUtf8("Straße € „x“") << QString();
        QTest::newRow("Cyrillic") << QString::fromUtf8("Werk Пётр") << QString("П");
        QTest::newRow("unused byte 0x81") << QString(QChar(0x81)) << QString("U+0081");
    }
    void textOutsideTheCodePageIsRefused() {
        QFETCH(QString, text);
        QFETCH(QString, refused);
        TfmLocation d(env);
        d.edtLocation->setText(text);
        d.btnOk->click();
        QCOMPARE(
            messages.Texts(),
            refused.isEmpty()
                ? QStringList()
                : QStringList{
                      "The location can only use letters, digits and signs of Western European "
                      "languages: \"" +
                      refused + "\" cannot be stored."});
        QCOMPARE(d.result(), int(refused.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
    }

    void exceptionDialogSaysWhatItDoesNotShowAndKeepsIt() {
        QVERIFY(WriteFile(dir.filePath("AUSNAHME.LST"), "A\r\n  indented\r\nB\r\n"));
        TfmExceptions d(env);
        QVERIFY(d.lblHidden->isVisibleTo(&d));
        d.lstEntries->setCurrentItem(d.lstEntries->topLevelItem(1));
        d.edtText->setText("BB");
        d.btnChange->click();
        d.btnOk->click();
        QCOMPARE(ReadAll(dir.filePath("AUSNAHME.LST")), QByteArray("A\r\n  indented\r\nBB\r\n"));
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
