// The frame code against known answers written down by hand (the CRC
// catalogue's check value and frames worked out on paper), not against the
// emulator, which shares this code: a wrong polynomial or parser would pass
// a round trip on both sides.

#include "comm/Fframe.h"

#include <QTest>

namespace {

QByteArray Hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// GetInfo request, SEQ 1.
const char* const InfoRequest = "02 00 01 01 8C EF";
// Its answer: firmware 1.10 of 1992-11-14.
const char* const InfoAnswer = "02 05 81 01 01 0A 0C 0B 0E 17 A5";
// RemoveOldest of record id 0x12345678, 10 March 2026 14:00 (minute 13800), SEQ 0x2A.
const char* const RemoveRequest = "02 08 06 2A 78 56 34 12 2E 03 E8 35 63 F2";
// ReadOldest answer, SEQ 5: id 0x01020304 and the record of 10 March 2026
// 14:00 with the values 37, 47, ... 167.
const char* const RecordAnswer =
    "02 24 85 05 04 03 02 01 2E 03 E8 35 25 00 2F 00 39 00 43 00 4D 00 "
    "57 00 61 00 6B 00 75 00 7F 00 89 00 93 00 9D 00 A7 00 A8 42";

} // namespace

class TestFrame : public QObject {
    Q_OBJECT

private slots:
    void crcKnownAnswers() {
        // The catalogue's check value of CRC-16/CCITT-FALSE.
        QCOMPARE(FrameCrc("123456789", 0, 9), uint16_t(0x29B1));
        QCOMPARE(FrameCrc(QByteArray(), 0, 0), uint16_t(0xFFFF));
        // Only the bytes from..from+count count.
        QCOMPARE(FrameCrc("xx123456789yy", 2, 9), uint16_t(0x29B1));
        QCOMPARE(FrameCrc(Hex("00 01 01"), 0, 3), uint16_t(0xEF8C));
    }

    void encodeKnownFrames() {
        QCOMPARE(EncodeFrame(CmdGetInfo, 1, {}), Hex(InfoRequest));
        QCOMPARE(EncodeFrame(CmdGetInfo | AnswerFlag, 1, Hex("01 0A 0C 0B 0E")), Hex(InfoAnswer));
        QCOMPARE(EncodeFrame(CmdRemoveOldest, 0x2A, Hex("78 56 34 12 2E 03 E8 35")),
                 Hex(RemoveRequest));
        QCOMPARE(EncodeFrame(CmdReadOldest, 0x7F, {}), Hex("02 00 05 7F 11 BC"));
    }

    void takeKnownFrame() {
        QByteArray buffer = Hex(RecordAnswer);
        Frame f;
        QCOMPARE(TakeFrame(buffer, f), FrameScan::Taken);
        QCOMPARE(f.code, uint8_t(0x85));
        QCOMPARE(f.seq, uint8_t(5));
        QCOMPARE(f.payload.size(), 36);
        QCOMPARE(f.payload.left(8), Hex("04 03 02 01 2E 03 E8 35"));
        QCOMPARE(f.payload.right(2), Hex("A7 00"));
        QVERIFY(buffer.isEmpty());
    }

    void garbageBeforeAFrameIsDropped() {
        QByteArray buffer = Hex("FF 41 00") + Hex(InfoAnswer) + Hex("02 00");
        Frame f;
        bool failed = false;
        QCOMPARE(TakeFrame(buffer, f, &failed), FrameScan::Taken);
        QCOMPARE(f.payload, Hex("01 0A 0C 0B 0E"));
        QVERIFY(!failed);
        // The start of the next frame waits for its rest.
        QCOMPARE(buffer, Hex("02 00"));
        QCOMPARE(TakeFrame(buffer, f, &failed), FrameScan::Incomplete);
    }

    void damagedFrameIsToldFromStrayBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("checkFailed");
        QByteArray flipped = Hex(InfoAnswer);
        flipped[6] = char(flipped[6] ^ 0x10);
        QTest::newRow("one bit flipped") << flipped << true;
        QByteArray badCrc = Hex(InfoAnswer);
        badCrc[10] = char(0xA6);
        QTest::newRow("check byte wrong") << badCrc << true;
        QTest::newRow("stray bytes") << Hex("41 42 FF 00 13") << false;
    }

    // A frame that fails its check is damaged; bytes without a frame are not.
    void damagedFrameIsToldFromStrayBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, checkFailed);
        Frame f;
        bool failed = false;
        QCOMPARE(TakeFrame(bytes, f, &failed), FrameScan::Damaged);
        QCOMPARE(failed, checkFailed);
        QVERIFY(bytes.isEmpty());
    }

    // A damaged frame loses only its STX: a whole frame inside it is found.
    void frameInsideADamagedOneIsFound() {
        QByteArray buffer = Hex("02 05 81 01") + Hex(InfoAnswer);
        Frame f;
        bool failed = false;
        QCOMPARE(TakeFrame(buffer, f, &failed), FrameScan::Taken);
        QVERIFY(failed);
        QCOMPARE(f.payload, Hex("01 0A 0C 0B 0E"));
    }

    // More than 64 payload bytes announced: no frame starts there.
    void overlongLengthIsNoFrame() {
        QByteArray buffer = Hex("02 41 81 01") + Hex(InfoAnswer);
        Frame f;
        QCOMPARE(TakeFrame(buffer, f), FrameScan::Taken);
        QCOMPARE(f.code, uint8_t(0x81));
    }
};

QTEST_GUILESS_MAIN(TestFrame)
#include "tst_frame.moc"
