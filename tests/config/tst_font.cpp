#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "config/Fcodec.h"
#include "config/Ffont.h"
#include "config/Fmemory.h"

#include "Ftestfiles.h"
#include "support/Crecordingmessages.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The font text of an 8-point italic Arial of height -11, written out by hand.
const QByteArray ArialText = QByteArray("F5FFFFFF") + QByteArray(32, '0') + "01000000" +
                             "08000000" + "417269616C" + QByteArray(54, '0');

// The 60 bytes with the face name replaced.
QByteArray WithFace(QByteArray bytes, const QByteArray& face32) {
    bytes.replace(28, 32, face32);
    return bytes;
}

} // namespace

class TstFont : public QObject {
    Q_OBJECT

private slots:
    void layoutOfTheExample() {
        QCOMPARE(ArialText.size(), 120);
        FontFields f;
        f.height = -11;
        f.italic = true;
        f.pointSize = 8;
        f.faceName = "Arial";
        const QByteArray bytes = FontFieldsToBytes(f);
        QCOMPARE(bytes.size(), 60);
        QCOMPARE(FontBytesToText(bytes), ArialText);
    }

    void flagsAndLongFace() {
        FontFields f;
        f.height = 300;
        f.underline = true;
        f.strikeOut = true;
        f.charSet = 0xEE;
        f.pointSize = uint8_t(300);
        f.faceName = QByteArray(40, 'x');
        const QByteArray b = FontFieldsToBytes(f);
        QCOMPARE(b.left(4), QByteArray("\x2C\x01\x00\x00", 4));
        QCOMPARE(b.mid(20, 8), QByteArray("\x00\x01\x01\xEE\x2C\x00\x00\x00", 8));
        // The face keeps 31 bytes and its NUL.
        QCOMPARE(b.mid(28), QByteArray(31, 'x') + '\0');
    }

    void fontToTextUsesTheFontsOwnFields() {
        QFont font;
        font.setPointSize(8);
        font.setItalic(true);
        font.setUnderline(true);
        font.setBold(true);
        QByteArray bytes;
        QVERIFY(TextToFontBytes(FontToText(font), bytes));
        QCOMPARE(GetI32(bytes, 0), -QFontInfo(font).pixelSize());
        QCOMPARE(bytes.mid(4, 16), QByteArray(16, '\0')); // weight 0: bold is not kept
        QCOMPARE(bytes.mid(20, 8), QByteArray("\x01\x01\x00\x00\x08\x00\x00\x00", 8));
        QCOMPARE(bytes.mid(28, 32), ToAnsi(font.family()).left(31).leftJustified(32, '\0'));

        QFont pixels(font.family());
        pixels.setPixelSize(13);
        QVERIFY(TextToFontBytes(FontToText(pixels), bytes));
        QCOMPARE(quint8(bytes[0]), quint8(0xF3)); // -13
        QCOMPARE(quint8(bytes[24]), quint8(QFontInfo(pixels).pointSize()));
    }

    void textToBytesAcceptsTheExample() {
        QByteArray bytes;
        QVERIFY(TextToFontBytes(ArialText, bytes));
        QCOMPARE(FontBytesToText(bytes), ArialText);
    }

    void wrongLengthIsRefused_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("118") << ArialText.left(118);
        QTest::newRow("122") << ArialText + "00";
        QTest::newRow("empty") << QByteArray();
    }
    void wrongLengthIsRefused() {
        QFETCH(QByteArray, text);
        QByteArray bytes("untouched");
        QVERIFY(!TextToFontBytes(text, bytes));
        QCOMPARE(bytes, QByteArray("untouched"));
    }

    void lowercaseDecodesToOtherBytes() {
        QByteArray bytes;
        QVERIFY(TextToFontBytes(ArialText.toLower(), bytes));
        // 'f' counts 47: "f5" gives 757 mod 256 = 0xF5, but "ff" 799 mod 256 = 0x1F,
        // and "6c" 6 x 16 + 44 = 0x8C.
        QCOMPARE(quint8(bytes[0]), quint8(0xF5));
        QCOMPARE(quint8(bytes[1]), quint8(0x1F));
        QCOMPARE(quint8(bytes[32]), quint8(0x8C));
        QVERIFY(FontBytesToText(bytes) != ArialText);
    }

    void otherCharactersAreNotRefused() {
        // ' ' counts 32 - 48 = -16, 'z' 122 - 55 = 67: 16 x -16 + 67 = -189, mod 256 0x43.
        QByteArray text = ArialText;
        text.replace(8, 2, " z");
        QByteArray bytes;
        QVERIFY(TextToFontBytes(text, bytes));
        QCOMPARE(quint8(bytes[4]), quint8(0x43));
    }

    void faceWithoutFontIsRefused_data() {
        QTest::addColumn<QByteArray>("face32");
        QTest::newRow("empty face") << QByteArray(32, '\0');
        QTest::newRow("no NUL in 32 bytes") << QByteArray(32, 'A');
    }
    void faceWithoutFontIsRefused() {
        QFETCH(QByteArray, face32);
        QByteArray bytes;
        QVERIFY(TextToFontBytes(ArialText, bytes));
        const QByteArray text = FontBytesToText(WithFace(bytes, face32));
        QVERIFY(!TextToFontBytes(text, bytes));
    }

    void fontFromBytes() {
        QByteArray bytes;
        QVERIFY(TextToFontBytes(ArialText, bytes));
        QFont f = FontFromBytes(bytes);
        QCOMPARE(f.family(), QString("Arial"));
        QCOMPARE(f.pointSize(), 8);
        QVERIFY(f.italic());
        QVERIFY(!f.underline());
        QVERIFY(!f.strikeOut());
        QCOMPARE(f.weight(), QFont::Normal);

        // Without a point size the height gives the pixel size.
        bytes[24] = 0;
        bytes[0] = char(-20);
        bytes[21] = 1;
        bytes[22] = 1;
        f = FontFromBytes(bytes);
        QCOMPARE(f.pixelSize(), 20);
        QVERIFY(f.underline());
        QVERIFY(f.strikeOut());
    }

    void boldIsLostOnTheWay() {
        QFont bold;
        bold.setPointSize(10);
        bold.setBold(true);
        QByteArray bytes;
        QVERIFY(TextToFontBytes(FontToText(bold), bytes));
        const QFont back = FontFromBytes(bytes);
        QCOMPARE(back.weight(), QFont::Normal);
        QCOMPARE(back.pointSize(), 10);
        QCOMPARE(back.family(), bold.family());
    }

    void oldFaceNamesMapToSystemFonts() {
        QCOMPARE(FontFamily("MS Sans Serif"),
                 QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        QCOMPARE(FontFamily("Courier New"),
                 QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
        QCOMPARE(FontFamily("Caf\xE9"), QString::fromUtf8("Café"));
        QCOMPARE(NamedFont("Courier New", 8).pointSize(), 8);
        QByteArray bytes;
        QVERIFY(TextToFontBytes(ArialText, bytes));
        const QByteArray face = QByteArray("Courier New").leftJustified(32, '\0');
        QCOMPARE(FontFromBytes(WithFace(bytes, face)).family(), FontFamily("Courier New"));
    }

    void writeFontKey() {
        QTemporaryDir dir;
        TRecordingMessages messages;
        TEnv env;
        env.dataDir = dir.path();
        env.messages = &messages;
        QFont font;
        font.setPointSize(9);
        QVERIFY(WriteFontKey(env.IniPath(), "Bildschirmschriftdefinition", font));
        QCOMPARE(ReadBytes(env.IniPath()),
                 "[ZEDA]\nBildschirmschriftdefinition=" + FontToText(font) + "\n");
        font.setItalic(true);
        QVERIFY(WriteFontKey(env, "Druckerschriftdefinition", font));
        QCOMPARE(TIniFile(env.IniPath()).ReadString(IniSection, "Druckerschriftdefinition", ""),
                 FontToText(font));
        QVERIFY(messages.shown.isEmpty());

        QVERIFY(QFile::setPermissions(env.IniPath(), QFileDevice::ReadOwner));
        QVERIFY(!WriteFontKey(env.IniPath(), "Druckerschriftdefinition", font));
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(!WriteFontKey(env, "Druckerschriftdefinition", font));
        QCOMPARE(messages.Texts(),
                 QStringList{"Error - File " + env.IniPath() + " cannot be written!"});
    }
};

QTEST_MAIN(TstFont)
#include "tst_font.moc"
