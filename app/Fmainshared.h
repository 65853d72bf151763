#pragma once

#include <QAction>
#include <QString>

// What the files of the main window share.

inline const QString OpenFilter = QStringLiteral("ZMF files (*.zmf)");
inline const QString CsvFilter = QStringLiteral("CSV files (*.csv)");
inline const QString PdfFilter = QStringLiteral("PDF files (*.pdf)");

// Menu items that run the same handler are told apart by their tag.
inline int Tag(const QAction* a) {
    return a->data().toInt();
}
