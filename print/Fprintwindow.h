#pragma once

class TFileBase;
class TPrintBase;
class TViewBase;
struct MonthDocument;

// What a diagram window's print commands run, on the window's document.
// Each is one run: a month file that cannot be read is reported once.

// The day report: one report page per printer for every day from first to
// last (counted from 1), in ascending order; nothing when first > last.
void PrintDays(TPrintBase& printer, const MonthDocument& document, int first, int last);
// The month report: pages of daysPerPage days from the first day of the
// file's own month to its last, never into the overflow days, nor beyond
// the last stored minute.
void PrintMonth(TPrintBase& printer, const MonthDocument& document, int daysPerPage);
// The print of the current view: the view's first visible minute becomes
// the document's print start, day blocks not in memory are loaded through
// the file object first, then the view is printed on printer 1 (index 0).
int PrintCurrentView(TPrintBase& printer, MonthDocument& document, const TViewBase* view,
                     TFileBase* file, int printerIndex = 0);

// One of the three prints, as the print commands and the preview name it.
struct TPrintRequest {
    enum Kind { Days, Month, View };
    Kind kind = Days;
    int first = 1; // Days: the range of days, counted from 1
    int last = 1;
    int daysPerPage = 3; // Month: 3, 4 or 5
};

// Runs a request on the document of a window with its view and file object.
void RunPrintRequest(TPrintBase& printer, MonthDocument& document, const TViewBase* view,
                     TFileBase* file, const TPrintRequest& request);
