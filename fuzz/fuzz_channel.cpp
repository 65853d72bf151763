// Channel definitions: the text form of the INI file and the 52-byte record
// of the month files. The input is a text form; at least 52 bytes of it are
// also read as a record from a damaged file.

#include "Ffuzzsupport.h"

#include "config/Fchannel.h"

namespace {

// A record's text fields end at their first NUL.
QByteArray UpToNul(const QByteArray& text) {
    const qsizetype nul = text.indexOf('\0');
    return nul < 0 ? text : text.left(nul);
}

// Writing a record touches its 52 bytes only; reading it back gives the
// definition (the text fields up to a NUL).
void CheckRecord(const ChannelDef& c) {
    const char filler = '\xAA';
    QByteArray b(3 * ChannelDef::Size, filler);
    WriteChannelDef(b, ChannelDef::Size, c);
    Check(b.size() == 3 * ChannelDef::Size, "record buffer size");
    Check(b.left(ChannelDef::Size) == QByteArray(ChannelDef::Size, filler) &&
              b.right(ChannelDef::Size) == QByteArray(ChannelDef::Size, filler),
          "a record stays within its 52 bytes");
    ChannelDef expected = c;
    expected.name = UpToNul(c.name);
    expected.dimension = UpToNul(c.dimension);
    Check(ReadChannelDef(b, ChannelDef::Size) == expected, "record round-trip");
}

void CheckText(const QByteArray& text) {
    const ChannelDef c = ParseChannelDef(text);
    Check(c.name.size() <= 20 && c.dimension.size() <= 8, "text field limits");
    const QByteArray formatted = FormatChannelDef(c);
    Check(ParseChannelDef(formatted) == c, "parse(format(parse(x))) == parse(x)");
    Check(FormatChannelDef(ParseChannelDef(formatted)) == formatted, "the text form is stable");
    CheckRecord(c);
    ValueText(c, ScaledValue(c, 0xFFFF), false);
}

// A record from a file: whatever its bytes, it writes back unchanged in
// meaning and its text form parses.
void CheckDamagedRecord(const QByteArray& bytes) {
    if (bytes.size() < ChannelDef::Size)
        return;
    const ChannelDef c = ReadChannelDef(bytes, 0);
    Check(c.name.size() <= 20 && c.dimension.size() <= 8, "record text field limits");
    CheckRecord(c);
    ParseChannelDef(FormatChannelDef(c));
    ValueText(c, ScaledValue(c, 1), true);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = InputBytes(data, size);
    CheckText(bytes);
    CheckDamagedRecord(bytes);
    return 0;
}
