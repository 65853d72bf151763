#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QString>

// What the files of the main window share.

inline const QString OpenFilter = QStringLiteral("ZMF files (*.zmf)");
inline const QString CsvFilter = QStringLiteral("CSV files (*.csv)");
inline const QString PdfFilter = QStringLiteral("PDF files (*.pdf)");

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
