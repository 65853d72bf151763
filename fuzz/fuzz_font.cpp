// Font texts of the INI file: 120 hexadecimal digits for a 60-byte record.
// The input is a font text; its first 60 bytes are also taken as a record.

#include "Ffuzzsupport.h"

#include "config/Ffont.h"

#include <QGuiApplication>

namespace {

bool IsUpperHex(const QByteArray& text) {
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

void CheckText(const QByteArray& text) {
    const QByteArray untouched(FontBytesSize, '\x5A');
    QByteArray bytes = untouched;
    if (!TextToFontBytes(text, bytes)) {
        Check(bytes == untouched, "a refused text leaves the bytes alone");
        return;
    }
    Check(bytes.size() == FontBytesSize, "font record size");
    const QByteArray again = FontBytesToText(bytes);
    Check(again.size() == FontTextSize, "font text size");
    Check(!IsUpperHex(text) || again == text, "text -> bytes -> text");
    const QFont font = FontFromBytes(bytes);
    Check(font.pixelSize() <= 0xFFFF, "pixel size limit");
}

void CheckBytes(const QByteArray& input) {
    if (input.size() < FontBytesSize)
        return;
    const QByteArray bytes = input.left(FontBytesSize);
    const QByteArray text = FontBytesToText(bytes);
    Check(text.size() == FontTextSize && IsUpperHex(text), "bytes -> text");
    QByteArray back;
    if (TextToFontBytes(text, back))
        Check(back == bytes, "bytes -> text -> bytes");
}

} // namespace

// Fonts need the application object (offscreen: no display).
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = InputBytes(data, size);
    CheckText(input);
    CheckBytes(input);
    return 0;
}
