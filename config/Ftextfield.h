#pragma once

#include <QString>

// The text fields stored as Windows-1252 bytes. A character without a byte
// would be stored as '?': such a text is refused where it is typed.
enum class AnsiField { Location, OperatorName, ChannelName, ChannelUnit };

// Why the typed text cannot go into the field: the first character without
// a Windows-1252 byte, or a control character; empty when it can.
QString TextFieldRefusal(AnsiField field, const QString& text);
// The refusal of a channel's name, else of its unit; empty when both fit.
QString ChannelTextRefusal(const QString& name, const QString& unit);
