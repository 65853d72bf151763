#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Ftextfield.h"
#include "dialogs/Uexceptions.h"
#include "dialogs/Ulocation.h"
#include "dialogs/Usetkanal.h"
#include "operators/Uusers.h"
#include "support/Crecordingmessages.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

// Text fields stored as Windows-1252 bytes refuse what has no byte there,
// and the exception dialog keeps what it does not show.
class TestTextFields : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TRecordingMessages messages;
    TSimClock clock{SecondsFromLocal({2026, 3, 10, 14, 0, 0})};
    TEnv env;
    std::unique_ptr<TConfig> config;

    static bool WriteFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    static QByteArray ReadAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() {
        QFile::remove(dir.filePath("zeda.ini"));
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

    void refusalNamesTheCharacter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal");
        const QString location = "The location can only use letters, digits and signs of "
                                 "Western European languages: \"%1\" cannot be stored.";
        QTest::newRow("Latin-1") << QString::fromUtf8("Straße äöü") << QString();
        QTest::newRow("euro and dashes") << QString::fromUtf8("€ – „x“") << QString();
        QTest::newRow("Cyrillic") << QString::fromUtf8("Werk Пётр") << location.arg("П");
        QTest::newRow("emoji") << QString::fromUtf8("A😀") << location.arg("😀");
        QTest::newRow("tab") << QString("A\tB") << location.arg("U+0009");
        QTest::newRow("unused byte 0x81") << QString(QChar(0x81)) << location.arg("U+0081");
    }

    void refusalNamesTheCharacter() {
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        QCOMPARE(TextFieldRefusal(AnsiField::Location, text), refusal);
    }

    // "Пётр" was stored as "????" without a word.
    void locationOutsideTheCodePageIsRefused() {
        TfmLocation d(env);
        d.edtLocation->setText(QString::fromUtf8("Завод"));
        d.btnOk->click();
        QCOMPARE(messages.Texts(),
                 QStringList{"The location can only use letters, digits and signs of Western "
                             "European languages: \"З\" cannot be stored."});
        QVERIFY(!QFile::exists(env.IniPath()));
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }

    void channelUnitOutsideTheCodePageIsRefused() {
        TfmSetKanal d(env, 2);
        d.edtName->setText("Druck");
        d.edtDimension->setText(QString::fromUtf8("м³"));
        d.btnOk->click();
        QCOMPARE(messages.Texts(),
                 QStringList{"A channel unit can only use letters, digits and signs of Western "
                             "European languages: \"м\" cannot be stored."});
        QCOMPARE(TIniFile(env.IniPath()).ReadString(IniSection, "Kanal_2", "<none>"),
                 QByteArray("<none>"));
    }

    void operatorNameOutsideTheCodePageIsRefused() {
        TfmUsers d(env);
        d.edtName->setText(QString::fromUtf8("Пётр"));
        d.btnAdd->click();
        QCOMPARE(d.lstOperators->count(), 0);
        QCOMPARE(messages.Texts(),
                 QStringList{"An operator name can only use letters, digits and signs of "
                             "Western European languages: \"П\" cannot be stored."});
    }

    void exceptionDialogSaysWhatItDoesNotShowAndKeepsIt() {
        const QByteArray before = "WART Wartung\r\n  eingerückt\r\nB\r\n";
        QVERIFY(WriteFile(dir.filePath("AUSNAHME.LST"), before));
        TfmExceptions d(env);
        QVERIFY(d.lblHidden->isVisibleTo(&d));
        QVERIFY(d.lblHidden->text().startsWith(dir.filePath("AUSNAHME.LST") +
                                               " holds more than the exception menu shows"));
        d.lstEntries->setCurrentItem(d.lstEntries->topLevelItem(1));
        d.edtText->setText("BB");
        d.btnChange->click();
        d.btnOk->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(ReadAll(dir.filePath("AUSNAHME.LST")),
                 QByteArray("WART Wartung\r\n  eingerückt\r\nBB\r\n"));
        QVERIFY(WriteFile(dir.filePath("AUSNAHME.LST"), "A\r\n"));
        TfmExceptions plain(env);
        QVERIFY(!plain.lblHidden->isVisibleTo(&plain));
    }
};

QTEST_MAIN(TestTextFields)
#include "tst_textfields.moc"
