#pragma once

// The password scrambling lives with the configuration, where the settings
// of every level (the passwords, the broker's password) can reach it.
#include "config/Fscramble.h"

#include <QByteArray>
#include <QString>

struct TEnv;

// The checks of a new password: an empty text for an acceptable one,
// otherwise "Empty Password!" or "Password not Confirm!".
QString PasswordRefusal(const QByteArray& password, const QByteArray& confirmation);
// The same checks on the typed text, first of all that every character has
// a byte of the 8-bit code page: a character without one would be stored as
// '?', and any other such character would then unlock the same level.
// No control character (a NUL would cut the stored text, a CR or LF break
// its line) and at most PasswordMaxLength characters.
QString TypedPasswordRefusal(const QString& password, const QString& confirmation);
// Its stored form takes two characters a byte: 127 bytes keep it within a
// value of 255 characters, which every reader of the INI file takes whole.
constexpr int PasswordMaxLength = 127;
// Writes the scrambled password under "KennwortAdmin" or
// "KennwortOperator"; false (after the error message) when it cannot.
bool StorePassword(const TEnv& env, bool administrator, const QByteArray& password);
