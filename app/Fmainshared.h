#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QString>

// What the files of the main window share.

// The file dialogs' filters, in the installed language; the patterns in
// brackets stay as they are.
inline QString OpenFilter() {
    return QCoreApplication::translate("TfmMain", "ZMF files (*.zmf)");
}
inline QString CsvFilter() {
    return QCoreApplication::translate("TfmMain", "CSV files (*.csv)");
}
inline QString PdfFilter() {
    return QCoreApplication::translate("TfmMain", "PDF files (*.pdf)");
}

// Menu items that run the same handler are told apart by their tag.
inline int Tag(const QAction* a) {
    return a->data().toInt();
}

// The main window's caption: "ZEDA " followed by the location ("ZEDA "
// alone without one, which the catalogues give without the blank).
inline QString LocationCaption(const QString& location) {
    if (location.isEmpty())
        return QCoreApplication::translate("TfmMain", "ZEDA ");
    //: The main window's caption; %1 is the location.
    return QCoreApplication::translate("TfmMain", "ZEDA %1").arg(location);
}
