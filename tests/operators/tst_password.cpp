#include "config/Fcodec.h"
#include "operators/Fpassword.h"

#include <QTest>

class TestPassword : public QObject {
    Q_OBJECT

private slots:
    void scrambleKnownValues_data() {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<QByteArray>("text");
        // 'a' ^ '8' = 0x59, 'b' ^ '1' = 0x53, 'c' ^ '4' = 0x57
        QTest::newRow("abc") << PasswordKey << QByteArray("abc") << QByteArray("595357");
        // the key starts again at the fifth character
        QTest::newRow("key repeats")
            << PasswordKey << QByteArray("aaaaa") << QByteArray("5950555359");
        // high byte digits come out lowercase
        QTest::newRow("lowercase")
            << PasswordKey << QByteArray("\x93\xE4", 2) << QByteArray("abd5");
        QTest::newRow("zero byte") << PasswordKey << QByteArray("8") << QByteArray("00");
        QTest::newRow("empty key") << QByteArray() << QByteArray("A\xFF") << QByteArray("41ff");
        QTest::newRow("empty password") << PasswordKey << QByteArray() << QByteArray();
    }

    void scrambleKnownValues() {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, password);
        QFETCH(QByteArray, text);
        QCOMPARE(ScramblePassword(key, password), text);
        QCOMPARE(UnscramblePassword(key, text), password);
        QCOMPARE(UnscramblePassword(key, text.toUpper()), password);
    }

    // "Пароль" was stored as "??????", and any six such letters unlocked the
    // level; the 8-bit signs of Western European languages stay allowed.
    void passwordOutsideCodePageIsRefused() {
        const QString refusal("A password can only use letters, digits and signs of Western "
                              "European languages.");
        const QString russian = QString::fromUtf8("Пароль");
        QCOMPARE(TypedPasswordRefusal(russian, russian), refusal);
        QCOMPARE(TypedPasswordRefusal("Geheim", russian), refusal);
        QCOMPARE(TypedPasswordRefusal(QString::fromUtf8("Grüße€"), QString::fromUtf8("Grüße€")),
                 QString());
        QCOMPARE(TypedPasswordRefusal("", ""), QString("Empty Password!"));
        QCOMPARE(TypedPasswordRefusal("a", "b"), QString("Password not Confirm!"));
        QVERIFY(FitsAnsi(QString::fromUtf8("?Ÿ")));
        QVERIFY(!FitsAnsi(QString::fromUtf8("Ω")));
    }

    void roundTripOfEveryByte() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QByteArray text = ScramblePassword(PasswordKey, all);
        QCOMPARE(text.size(), 512);
        QCOMPARE(text, text.toLower());
        QCOMPARE(UnscramblePassword(PasswordKey, text), all);
    }

    void unscrambleOddAndBadText_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("password");
        QTest::newRow("odd length") << QByteArray("59535") << QByteArray("ab");
        QTest::newRow("single character") << QByteArray("5") << QByteArray();
        // 32 ^ '8' = 0x18, 32 ^ '1' = 0x11
        QTest::newRow("letters beyond f") << QByteArray("zz53")
                                          << QByteArray("\x18"
                                                        "b");
        QTest::newRow("one bad digit") << QByteArray("5953g1") << QByteArray("ab\x14");
        QTest::newRow("no sign or blank") << QByteArray("+9 3") << QByteArray("\x18\x11");
    }

    void unscrambleOddAndBadText() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, password);
        QCOMPARE(UnscramblePassword(PasswordKey, text), password);
    }
};

QTEST_GUILESS_MAIN(TestPassword)
#include "tst_password.moc"
