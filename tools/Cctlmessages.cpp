#include "tools/Cctlmessages.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

QString KindName(TMessages::Kind kind) {
    switch (kind) {
    case TMessages::Error:
        return QCoreApplication::translate("Cctlmessages", "error");
    case TMessages::Warning:
        return QCoreApplication::translate("Cctlmessages", "warning");
    case TMessages::Information:
        return QCoreApplication::translate("Cctlmessages", "information");
    case TMessages::Confirmation:
        return QCoreApplication::translate("Cctlmessages", "question");
    }
    return QString();
}

} // namespace

bool TStderrMessages::Show(Kind kind, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(KindName(kind)), text.toUtf8().constData());
    if (kind == Error)
        ++errors;
    if (kind != Confirmation)
        return true;
    if (assumeYes) {
        std::fprintf(stderr, "yes\n");
        return true;
    }
    std::fprintf(stderr, "[y/N] ");
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer))
        return false;
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes";
}
