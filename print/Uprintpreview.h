#pragma once

#include "print/Fprintwindow.h"

#include <QDialog>
#include <QPrinter>
#include <QStringList>

#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QPrintPreviewWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TPrintBase;

// The pages a day report, a month report or the view print would send to
// printer 1 and printer 2, drawn by the printing engine itself onto a
// preview, before paper is used; "Print" then sends them to the printers.
class TfmPrintPreview : public QDialog {
    Q_OBJECT
public:
    // Runs a request on an engine: the preview's pages or the printers.
    using TRunner = std::function<void(TPrintBase& printer, const TPrintRequest& request)>;
    // Writes a request's pages of printer 0 or 1 into a PDF file.
    using TExporter = std::function<void(const TPrintRequest& request, int printer)>;
    // maxDay limits the days of the day report.
    TfmPrintPreview(TPrintBase& printer, TRunner preview, TRunner print, int maxDay,
                    QWidget* parent = nullptr);
    // Offers "Export as PDF...".
    void SetExporter(TExporter exporter);

    TPrintRequest Request() const;
    // The pages shown, by their document names ("ZEDA D2026-03 day 4,
    // printer 1").
    const QStringList& PageNames() const { return FPageNames; }

    QRadioButton* rbDays;
    QSpinBox* edtBeginDay;
    QSpinBox* edtEndDay;
    QRadioButton* rbMonth;
    QComboBox* cmbDaysPerPage;
    QRadioButton* rbView;
    QPushButton* btnShow;
    QListWidget* lstPages;
    QPrintPreviewWidget* pvPages;
    QPushButton* btnZoomIn;  // also Ctrl++ and Ctrl with the wheel
    QPushButton* btnZoomOut; // also Ctrl+-
    QPushButton* btnFitWidth;
    QLabel* lblPage; // "Page n of m"
    QComboBox* cmbPrinter; // whose pages the PDF gets
    QPushButton* btnExport;
    QPushButton* btnPrint;
    QPushButton* btnClose;

public slots:
    // Draws the chosen print into the preview again.
    void btnShowClick();
    // Sends the chosen print to the printers; without a printer, says where
    // to choose one.
    void btnPrintClick();
    // Writes the chosen print's pages of the chosen printer into a PDF.
    void btnExportClick();

protected:
    // Ctrl with the wheel over the pages zooms them.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PaintPages(QPrinter* target);
    void ShowPageNumber();

    TPrintBase& FPrinter;
    TRunner FPreview;
    TRunner FPrint;
    TExporter FExport;
    QPrinter FPreviewPrinter;
    QStringList FPageNames;
};
