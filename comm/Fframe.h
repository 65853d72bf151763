#pragma once

#include <QByteArray>

#include <cstdint>

// The framed protocol between the PC and the unit (docs/unit-protocol.md):
//
//   STX  LEN  CODE  SEQ  payload (LEN bytes)  CRC low  CRC high
//
// CRC-16/CCITT-FALSE over LEN .. the last payload byte. The unit answers a
// request with its code | AnswerFlag and the request's SEQ. The single
// bytes 'A' and 'B' of the auto-detect handshake travel outside frames.

constexpr uint8_t FrameStart = 0x02;
constexpr uint8_t AnswerFlag = 0x80;
constexpr int FrameOverhead = 6; // STX, LEN, CODE, SEQ and the two CRC bytes
// No frame of the protocol carries more; a longer LEN marks a damaged frame.
constexpr int MaxFramePayload = 64;

constexpr uint8_t DetectRequest = 'A';
constexpr uint8_t DetectAnswer = 'B';

// Request codes.
enum UnitCommand : uint8_t {
    CmdGetInfo = 0x01,        // -> DeviceInfo (5)
    CmdGetRecordCount = 0x02, // -> count (u32)
    CmdGetClock = 0x03,       // -> DeviceClock (6)
    CmdSetClock = 0x04,       // DeviceClock (6) -> accepted (u8)
    CmdReadOldest = 0x05,     // -> nothing, or id (u32) + SampleRecord (32)
    CmdRemoveOldest = 0x06,   // id (u32) + SampleTime (4) -> removed (u8)
    CmdReadCurrent = 0x07,    // -> SampleRecord (32)
    CmdWriteByte = 0x08,      // index (u32) + value (u8) -> done (u8)
    CmdReadByte = 0x09,       // index (u32) -> done (u8) + value (u8)
};

uint16_t FrameCrc(const QByteArray& bytes, qsizetype from, qsizetype count);

// A whole frame; payload of at most MaxFramePayload bytes.
QByteArray EncodeFrame(uint8_t code, uint8_t seq, const QByteArray& payload);

struct Frame {
    uint8_t code = 0;
    uint8_t seq = 0;
    QByteArray payload;
};

// What lies at the start of a receive buffer.
enum class FrameScan {
    Incomplete, // empty, or a frame may still be arriving
    Taken,      // a valid frame was taken off the buffer
    Damaged,    // bytes were dropped and nothing is left that could be a frame
};

// Drops bytes up to the first STX, then takes one frame when it is whole and
// its check holds. A frame that fails its check loses its STX only, so that
// a frame starting inside it is still found; checkFailed (when given) is set
// then, which tells a damaged frame from stray bytes.
FrameScan TakeFrame(QByteArray& buffer, Frame& frame, bool* checkFailed = nullptr);
