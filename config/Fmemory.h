#pragma once

#include <QByteArray>

#include <cstdint>

// Little-endian field helpers for file and wire layouts. Readers take the
// buffer and an offset; the caller makes sure the field lies inside it.

inline uint8_t GetU8(const QByteArray& b, qsizetype at) {
    return static_cast<uint8_t>(b[at]);
}

inline uint16_t GetU16(const QByteArray& b, qsizetype at) {
    return static_cast<uint16_t>(GetU8(b, at) | (GetU8(b, at + 1) << 8));
}

inline uint32_t GetU32(const QByteArray& b, qsizetype at) {
    return static_cast<uint32_t>(GetU16(b, at)) | (static_cast<uint32_t>(GetU16(b, at + 2)) << 16);
}

inline int32_t GetI32(const QByteArray& b, qsizetype at) {
    return static_cast<int32_t>(GetU32(b, at));
}

inline void PutU8(QByteArray& b, qsizetype at, uint8_t v) {
    b[at] = static_cast<char>(v);
}

inline void PutU16(QByteArray& b, qsizetype at, uint16_t v) {
    PutU8(b, at, static_cast<uint8_t>(v & 0xFF));
    PutU8(b, at + 1, static_cast<uint8_t>(v >> 8));
}

inline void PutU32(QByteArray& b, qsizetype at, uint32_t v) {
    PutU16(b, at, static_cast<uint16_t>(v & 0xFFFF));
    PutU16(b, at + 2, static_cast<uint16_t>(v >> 16));
}

inline void PutI32(QByteArray& b, qsizetype at, int32_t v) {
    PutU32(b, at, static_cast<uint32_t>(v));
}

// A NUL-terminated text field of a fixed size: the bytes before the first NUL
// (all of them when there is none).
QByteArray GetText(const QByteArray& b, qsizetype at, qsizetype size);
// Writes text into a field of a fixed size: at most size - 1 bytes, then NUL
// and zeros up to the end of the field.
void PutText(QByteArray& b, qsizetype at, qsizetype size, const QByteArray& text);
