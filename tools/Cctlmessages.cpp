#include "tools/Cctlmessages.h"

#include "files/Cfiledata.h"

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

TStderrMessages::TStderrMessages(bool informationAlways)
    : FShowInformation(informationAlways || qEnvironmentVariableIntValue(VerboseVariable) == 1) {}

bool TStderrMessages::Show(Kind kind, const QString& text) {
    if (kind == Information && !FShowInformation)
        return true;
    QString said = text;
    // The program's texts of a failed read name no file: a script's log must.
    if (!reading.isEmpty() && (text == ValidateMessage(TFileBase::CannotOpen) ||
                               text == ValidateMessage(TFileBase::NotDataFile)))
        said += '\n' + QCoreApplication::translate("Cctlmessages", "  File: %1").arg(reading);
    std::fprintf(stderr, "%s: %s\n", qPrintable(KindName(kind)), said.toUtf8().constData());
    if (kind == Error)
        ++errors;
    if (kind != Confirmation)
        return true;
    const QString yes = QCoreApplication::translate("Cctlmessages", "yes");
    if (assumeYes) {
        std::fprintf(stderr, "%s\n", qPrintable(yes));
        return true;
    }
    //: The answers to a question: y for yes (also the word "yes" as translated), N by default.
    std::fprintf(stderr, "%s", qPrintable(QCoreApplication::translate("Cctlmessages", "[y/N] ")));
    std::fflush(stderr);
    std::string line;
    if (!std::getline(std::cin, line))
        return false;
    const QString answer = QString::fromLocal8Bit(line.c_str()).trimmed();
    return answer.compare(QLatin1String("y"), Qt::CaseInsensitive) == 0 ||
           answer.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0 ||
           answer.compare(yes, Qt::CaseInsensitive) == 0 ||
           answer.compare(yes.left(1), Qt::CaseInsensitive) == 0;
}
