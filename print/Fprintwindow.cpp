#include "print/Fprintwindow.h"

#include "files/Cfilebase.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "print/Cprintbase.h"
#include "view/Cviewbase.h"

#include <algorithm>

void PrintDays(TPrintBase& printer, const MonthDocument& document, int first, int last) {
    const TPrintRun run(printer);
    for (int day = first; day <= last; ++day)
        printer.PrintPeriod(document, day - 1, 1);
}

void PrintMonth(TPrintBase& printer, const MonthDocument& document, int daysPerPage) {
    if (daysPerPage < 1)
        return;
    const TPrintRun run(printer);
    const int ownDays =
        int(HeaderDaysStored(document.header)) - int(HeaderOverflowDays(document.header));
    // The running month's pages end with its last stored day: the days
    // after it have nothing to print, not even a header.
    const uint32_t end = HeaderEndSlot(document.header);
    for (int first = 0; first < ownDays && uint32_t(first) * SlotsPerDay < end;
         first += daysPerPage)
        printer.PrintPeriod(document, first, daysPerPage);
}

int PrintCurrentView(TPrintBase& printer, MonthDocument& document, const TViewBase* view,
                     TFileBase* file, int printerIndex) {
    const TPrintRun run(printer);
    if (view) {
        int minute = 0;
        view->FirstVisibleMinute(minute);
        document.display.printStartMinute = uint16_t(std::max(minute, 0));
    }
    if (file && file->opened && !file->daysLoaded)
        file->LoadDays();
    return printer.PrintView(document, printerIndex);
}

void RunPrintRequest(TPrintBase& printer, MonthDocument& document, const TViewBase* view,
                     TFileBase* file, const TPrintRequest& request) {
    switch (request.kind) {
    case TPrintRequest::Days:
        PrintDays(printer, document, request.first, request.last);
        break;
    case TPrintRequest::Month:
        PrintMonth(printer, document, request.daysPerPage);
        break;
    case TPrintRequest::View:
        PrintCurrentView(printer, document, view, file);
        break;
    }
}
