#include "print/Uprintpreview.h"

#include "print/Cprintbase.h"

#include <QAbstractScrollArea>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

// Puts a page sequence in the place of the engine's printers for as long
// as it lives, whatever way the drawing ends.
class TSystemSwap {
public:
    TSystemSwap(TPrintBase& printer, std::unique_ptr<TPrintSystem> system)
        : FPrinter(printer), FOld(printer.ReplaceSystem(std::move(system))) {}
    ~TSystemSwap() { FPrinter.ReplaceSystem(std::move(FOld)); }
    TSystemSwap(const TSystemSwap&) = delete;
    TSystemSwap& operator=(const TSystemSwap&) = delete;

private:
    TPrintBase& FPrinter;
    std::unique_ptr<TPrintSystem> FOld;
};

// The names the preview's pages go to: whatever printers are chosen or
// installed, the preview shows the pages.
const QString PreviewPrinter1 = QStringLiteral("preview printer 1");
const QString PreviewPrinter2 = QStringLiteral("preview printer 2");

// Makes the engine draw for the preview's two stand-in printers while it
// lives: the enabled printers, or both when none is.
class TPreviewPrinters {
public:
    explicit TPreviewPrinters(TPrintBase& printer)
        : FPrinter(printer), FName1(printer.printer1Name), FName2(printer.printer2Name),
          FEnabled1(printer.printer1Enabled), FEnabled2(printer.printer2Enabled) {
        printer.printer1Name = PreviewPrinter1;
        printer.printer2Name = PreviewPrinter2;
        if (!FEnabled1 && !FEnabled2)
            printer.printer1Enabled = printer.printer2Enabled = 1;
    }
    ~TPreviewPrinters() {
        FPrinter.printer1Name = FName1;
        FPrinter.printer2Name = FName2;
        FPrinter.printer1Enabled = FEnabled1;
        FPrinter.printer2Enabled = FEnabled2;
    }
    TPreviewPrinters(const TPreviewPrinters&) = delete;
    TPreviewPrinters& operator=(const TPreviewPrinters&) = delete;

private:
    TPrintBase& FPrinter;
    QString FName1;
    QString FName2;
    int32_t FEnabled1;
    int32_t FEnabled2;
};

QSpinBox* DayField(QWidget* parent, const char* name, int maxDay) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(name);
    field->setRange(1, std::max(maxDay, 1));
    field->setValue(1);
    return field;
}

} // namespace

TfmPrintPreview::TfmPrintPreview(TPrintBase& printer, TRunner preview, TRunner print, int maxDay,
                                 QWidget* parent)
    : QDialog(parent), FPrinter(printer), FPreview(std::move(preview)), FPrint(std::move(print)),
      FPreviewPrinter(QPrinter::HighResolution) {
    setObjectName("fmPrintPreview");
    setWindowTitle(tr("Print preview"));

    // The pages are laid out on printer 1 when it is installed; otherwise on
    // A4 with a printable area 5 mm inside each edge.
    const QString first = printer.SelectPrinter(0);
    if (!first.isEmpty()) {
        FPreviewPrinter.setPrinterName(first);
    } else {
        FPreviewPrinter.setOutputFormat(QPrinter::PdfFormat);
        FPreviewPrinter.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                  QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    }

    rbDays = new QRadioButton(tr("Day report, days"), this);
    rbDays->setObjectName("rbDays");
    rbDays->setChecked(true);
    edtBeginDay = DayField(this, "edtBeginDay", maxDay);
    edtEndDay = DayField(this, "edtEndDay", maxDay);
    rbMonth = new QRadioButton(tr("Month report, days on page"), this);
    rbMonth->setObjectName("rbMonth");
    cmbDaysPerPage = new QComboBox(this);
    cmbDaysPerPage->setObjectName("cmbDaysPerPage");
    for (int n : {3, 4, 5})
        cmbDaysPerPage->addItem(QString::number(n), n);
    rbView = new QRadioButton(tr("Current view"), this);
    rbView->setObjectName("rbView");
    auto* kinds = new QButtonGroup(this);
    for (QRadioButton* b : {rbDays, rbMonth, rbView})
        kinds->addButton(b);
    btnShow = new QPushButton(tr("&Show"), this);
    btnShow->setObjectName("btnShow");
    lstPages = new QListWidget(this);
    lstPages->setObjectName("lstPages");
    pvPages = new QPrintPreviewWidget(&FPreviewPrinter, this);
    pvPages->setObjectName("pvPages");
    pvPages->fitToWidth();
    for (QAbstractScrollArea* view : pvPages->findChildren<QAbstractScrollArea*>()) {
        view->viewport()->installEventFilter(this);
        // A page scrolled to changes the number without telling otherwise.
        for (QScrollBar* bar : {view->verticalScrollBar(), view->horizontalScrollBar()})
            connect(bar, &QScrollBar::valueChanged, this, &TfmPrintPreview::ShowPageNumber);
    }
    btnZoomIn = new QPushButton(tr("+"), this);
    btnZoomIn->setObjectName("btnZoomIn");
    btnZoomIn->setShortcut(QKeySequence::ZoomIn);
    btnZoomIn->setToolTip(tr("Zoom in"));
    btnZoomOut = new QPushButton(tr("−"), this);
    btnZoomOut->setObjectName("btnZoomOut");
    btnZoomOut->setShortcut(QKeySequence::ZoomOut);
    btnZoomOut->setToolTip(tr("Zoom out"));
    btnFitWidth = new QPushButton(tr("Fit width"), this);
    btnFitWidth->setObjectName("btnFitWidth");
    lblPage = new QLabel(this);
    lblPage->setObjectName("lblPage");
    // No accepting button: Enter never sends pages to a printer.
    auto* buttons = new QDialogButtonBox(this);
    cmbPrinter = new QComboBox(this);
    cmbPrinter->setObjectName("cmbPrinter");
    cmbPrinter->addItem(tr("Printer1"), 0);
    cmbPrinter->addItem(tr("Printer2"), 1);
    btnExport = new QPushButton(tr("Export as PDF..."), this);
    btnExport->setObjectName("btnExport");
    cmbPrinter->setEnabled(false);
    btnExport->setEnabled(false);
    btnPrint = buttons->addButton(tr("&Print"), QDialogButtonBox::ActionRole);
    btnPrint->setObjectName("btnPrint");
    btnClose = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    btnClose->setObjectName("btnClose");

    auto* choice = new QGridLayout;
    choice->addWidget(rbDays, 0, 0);
    choice->addWidget(edtBeginDay, 0, 1);
    choice->addWidget(new QLabel(tr("to"), this), 0, 2);
    choice->addWidget(edtEndDay, 0, 3);
    choice->addWidget(rbMonth, 1, 0);
    choice->addWidget(cmbDaysPerPage, 1, 1);
    choice->addWidget(rbView, 2, 0);
    choice->addWidget(btnShow, 3, 0);
    auto* side = new QVBoxLayout;
    side->addLayout(choice);
    side->addWidget(new QLabel(tr("Pages:"), this));
    side->addWidget(lstPages, 1);
    auto* pdf = new QHBoxLayout;
    pdf->addWidget(cmbPrinter);
    pdf->addWidget(btnExport, 1);
    side->addLayout(pdf);
    side->addWidget(buttons);
    auto* zoom = new QHBoxLayout;
    zoom->addWidget(btnZoomOut);
    zoom->addWidget(btnZoomIn);
    zoom->addWidget(btnFitWidth);
    zoom->addStretch(1);
    zoom->addWidget(lblPage);
    auto* pages = new QVBoxLayout;
    pages->addLayout(zoom);
    pages->addWidget(pvPages, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addLayout(pages, 1);
    resize(1000, 760);

    connect(pvPages, &QPrintPreviewWidget::paintRequested, this, &TfmPrintPreview::PaintPages);
    connect(btnShow, &QPushButton::clicked, this, &TfmPrintPreview::btnShowClick);
    connect(btnPrint, &QPushButton::clicked, this, &TfmPrintPreview::btnPrintClick);
    connect(btnExport, &QPushButton::clicked, this, &TfmPrintPreview::btnExportClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnZoomIn, &QPushButton::clicked, pvPages, [this] { pvPages->zoomIn(); });
    connect(btnZoomOut, &QPushButton::clicked, pvPages, [this] { pvPages->zoomOut(); });
    connect(btnFitWidth, &QPushButton::clicked, pvPages, &QPrintPreviewWidget::fitToWidth);
    connect(pvPages, &QPrintPreviewWidget::previewChanged, this, &TfmPrintPreview::ShowPageNumber);
    ShowPageNumber();
}

void TfmPrintPreview::ShowPageNumber() {
    const int count = pvPages->pageCount();
    lblPage->setText(count == 0 ? QString()
                                : tr("Page %1 of %2").arg(pvPages->currentPage()).arg(count));
}

bool TfmPrintPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (wheel->angleDelta().y() > 0)
                pvPages->zoomIn();
            else if (wheel->angleDelta().y() < 0)
                pvPages->zoomOut();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

TPrintRequest TfmPrintPreview::Request() const {
    TPrintRequest r;
    r.kind = rbMonth->isChecked()  ? TPrintRequest::Month
             : rbView->isChecked() ? TPrintRequest::View
                                   : TPrintRequest::Days;
    r.first = edtBeginDay->value();
    r.last = edtEndDay->value();
    r.daysPerPage = cmbDaysPerPage->currentData().toInt();
    return r;
}

void TfmPrintPreview::SetExporter(TExporter exporter) {
    FExport = std::move(exporter);
    cmbPrinter->setEnabled(bool(FExport));
    btnExport->setEnabled(bool(FExport));
}

void TfmPrintPreview::btnExportClick() {
    if (FExport)
        FExport(Request(), cmbPrinter->currentData().toInt());
}

void TfmPrintPreview::btnShowClick() {
    pvPages->updatePreview();
}

void TfmPrintPreview::btnPrintClick() {
    if (!FPrinter.HasPrinter()) {
        FPrinter.NoPrinter();
        return;
    }
    if (FPrint)
        FPrint(FPrinter, Request());
}

void TfmPrintPreview::PaintPages(QPrinter* target) {
    auto pages =
        std::make_unique<TPageSequence>(*target, QStringList{PreviewPrinter1, PreviewPrinter2});
    TPageSequence* sequence = pages.get();
    {
        const TPreviewPrinters stand(FPrinter);
        const TSystemSwap swap(FPrinter, std::move(pages));
        if (FPreview)
            FPreview(FPrinter, Request());
        FPageNames = sequence->Pages();
        sequence->Finish();
    }
    lstPages->clear();
    lstPages->addItems(FPageNames);
}
