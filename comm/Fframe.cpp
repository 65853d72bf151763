#include "comm/Fframe.h"

#include "config/Fmemory.h"

uint16_t FrameCrc(const QByteArray& bytes, qsizetype from, qsizetype count) {
    uint16_t crc = 0xFFFF;
    for (qsizetype i = from; i < from + count; ++i) {
        crc ^= static_cast<uint16_t>(GetU8(bytes, i) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<uint16_t>((crc << 1) ^ 0x1021)
                                 : static_cast<uint16_t>(crc << 1);
    }
    return crc;
}

QByteArray EncodeFrame(uint8_t code, uint8_t seq, const QByteArray& payload) {
    const qsizetype n = payload.size();
    QByteArray f(FrameOverhead + n, '\0');
    PutU8(f, 0, FrameStart);
    PutU8(f, 1, static_cast<uint8_t>(n));
    PutU8(f, 2, code);
    PutU8(f, 3, seq);
    f.replace(4, n, payload);
    PutU16(f, 4 + n, FrameCrc(f, 1, 3 + n));
    return f;
}

FrameScan TakeFrame(QByteArray& buffer, Frame& frame, bool* checkFailed) {
    bool dropped = false;
    for (;;) {
        const qsizetype start = buffer.indexOf(char(FrameStart));
        if (start < 0) {
            dropped = dropped || !buffer.isEmpty();
            buffer.clear();
            return dropped ? FrameScan::Damaged : FrameScan::Incomplete;
        }
        if (start > 0) {
            buffer.remove(0, start);
            dropped = true;
        }
        if (buffer.size() < 2)
            return FrameScan::Incomplete;
        const int n = GetU8(buffer, 1);
        if (n <= MaxFramePayload) {
            if (buffer.size() < FrameOverhead + n)
                return FrameScan::Incomplete;
            if (GetU16(buffer, 4 + n) == FrameCrc(buffer, 1, 3 + n)) {
                frame.code = GetU8(buffer, 2);
                frame.seq = GetU8(buffer, 3);
                frame.payload = buffer.mid(4, n);
                buffer.remove(0, FrameOverhead + n);
                return FrameScan::Taken;
            }
            if (checkFailed)
                *checkFailed = true;
        }
        buffer.remove(0, 1);
        dropped = true;
    }
}
