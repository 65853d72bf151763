#pragma once

#include <QByteArray>

// The stored form of a password: each byte XOR the key byte at its position
// (the key repeats; an empty key leaves the byte), written as two lowercase
// hexadecimal digits.
QByteArray ScramblePassword(const QByteArray& key, const QByteArray& password);
// The password of a stored form. Digits may be of either case; a pair that is
// not two hexadecimal digits stands for 32; a last single character is
// ignored.
QByteArray UnscramblePassword(const QByteArray& key, const QByteArray& text);

// The key the passwords of the INI file are scrambled with.
inline const QByteArray PasswordKey = "8142";
