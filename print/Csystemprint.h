#pragma once

#include "print/Cprintsystem.h"

// The system's installed printers (the CUPS queues) and their print jobs,
// each page a job of its own at the printer's high resolution.
class TSystemPrintSystem : public TPrintSystem {
public:
    QStringList PrinterNames() const override;
    std::unique_ptr<TPrintPage> BeginJob(const QString& printer,
                                         const QString& documentName) override;
};
