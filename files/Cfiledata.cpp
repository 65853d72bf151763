#include "files/Cfiledata.h"

#include "config/Cenv.h"
#include "config/Cmessages.h"

#include <QCoreApplication>

QString ValidateMessage(int result) {
    if (result == TFileBase::Valid)
        return QString();
    return result == TFileBase::CannotOpen
               ? QCoreApplication::translate("Cfiledata",
                                             "Fehler beim Versuch eine Datei zu öffnen!")
               : QCoreApplication::translate("Cfiledata",
                                             "Diese Datei ist keine gültige Datendatei!");
}

TFileData::TFileData(MonthDocument* document, const TEnv& env) : TFileBase(document, env) {}

bool TFileData::ValidateWithMessage(const QString& path, uint8_t& year, uint8_t& month) {
    const Check c = CheckFile(path, FEnv.lockWaitMs);
    const int result = c.result;
    if (result == Valid) {
        year = c.year;
        month = c.month;
        return true;
    }
    if (FEnv.messages)
        FEnv.messages->Show(TMessages::Error, ValidateMessage(result));
    return false;
}
