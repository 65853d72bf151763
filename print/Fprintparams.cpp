#include "print/Fprintparams.h"

bool ParsePrintFlags(const QByteArray& text, TPrintFlags& flags) {
    if (text.size() != 5 || text[1] != ',' || text[3] != ',')
        return false;
    flags.printer1 = text[0] == '1';
    flags.printer2 = text[2] == '1';
    flags.automatic = text[4] == '1';
    return true;
}

QByteArray FormatPrintFlags(const TPrintFlags& flags) {
    QByteArray text;
    text += flags.printer1 ? '1' : '0';
    text += ',';
    text += flags.printer2 ? '1' : '0';
    text += ',';
    text += flags.automatic ? '1' : '0';
    return text;
}

bool ParsePrintFit(const QByteArray& text) {
    return text.trimmed() != "0";
}
