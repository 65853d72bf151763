#pragma once

#include <QByteArray>
#include <QString>

struct TEnv;

// The stored form of a password: each byte XOR the key byte at its position
// (the key repeats; an empty key leaves the byte), written as two lowercase
// hexadecimal digits.
QByteArray ScramblePassword(const QByteArray& key, const QByteArray& password);
// The password of a stored form. Digits may be of either case; a pair that is
// not two hexadecimal digits stands for 32; a last single character is
// ignored.
QByteArray UnscramblePassword(const QByteArray& key, const QByteArray& text);

// The key both passwords are scrambled with.
inline const QByteArray PasswordKey = "8142";

// The checks of a new password: an empty text for an acceptable one,
// otherwise "Empty Password!" or "Password not Confirm!".
QString PasswordRefusal(const QByteArray& password, const QByteArray& confirmation);
// Writes the scrambled password under "KennwortAdmin" or
// "KennwortOperator"; false (after the error message) when it cannot.
bool StorePassword(const TEnv& env, bool administrator, const QByteArray& password);
