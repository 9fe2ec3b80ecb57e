// The print run: the chosen prepared pages go to the printer of the pages' store, with copies,
// collation and the odd/even filter, each page scaled from page pixels to printer dots with
// its printer geometry.
#pragma once

#include "prepared/PreparedPages.h"
#include "prepared/PrintProgress.h"
#include "prepared/PrintRunOptions.h"

namespace preview {

// The print loop. A bad page list throws platform::Error before any job begins; printer
// failures propagate after the open job has been aborted. A cancel seen through `progress`
// (may be null) aborts the job after the page being printed. A store without pages, or a
// choice that leaves no page to print, sends no job at all.
void runPrint(PreparedPages& pages, const PrintOptions& options, const PrintReportSettings& report,
              PrintProgress* progress);

// runPrint under the progress window ("Preparazione report - title", status "Stampa pagina:"),
// or directly when the report has an OnProgress handler, shows no progress or there is no
// window. Mouse-over events of the pages are held back while printing directly.
void PrintPrepared(PreparedPages& pages, const PrintOptions& options, const PrintReportSettings& report,
                   PrintProgressWindow* window);

}  // namespace preview
