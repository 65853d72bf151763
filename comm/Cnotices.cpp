#include "comm/Cnotices.h"

#include "config/Cmessages.h"

#include <QCoreApplication>

QStringList TimeDiffLines() {
    return {QCoreApplication::translate("Cnotices",
                                        "The data were accepted by system of the account of data,"),
            QCoreApplication::translate("Cnotices",
                                        "Date a difference of time is more than 30 days to date"),
            QCoreApplication::translate("Cnotices", "PC is found out. The data do not gather!")};
}

QStringList DisconnectLines() {
    // One line: the notice's text read as one sentence, without a break
    // in its middle.
    return {QCoreApplication::translate(
        "Cnotices", "Now there is no connection with system of the account of the data!")};
}

void TMessageNotices::TimeDiff() {
    FMessages.Show(TMessages::Information, TimeDiffLines().join('\n'));
}

void TMessageNotices::Disconnect() {
    FMessages.Show(TMessages::Information, DisconnectLines().join('\n'));
}
