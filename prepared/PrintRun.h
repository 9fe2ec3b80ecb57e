// The print run: the chosen prepared pages go to the printer of the pages' store, with copies,
// collation and the odd/even filter, each page scaled from page pixels to printer dots with
// its printer geometry.
#pragma once

#include <string>

#include "prepared/PageList.h"
#include "prepared/PreparedPages.h"
#include "prepared/PrintProgress.h"
#include "prepared/PrintRunOptions.h"

namespace prepared {

// The print loop. A bad page list throws platform::Error before any job begins; printer
// failures propagate after the open job has been aborted. A cancel seen through `progress`
// (may be null) aborts the job after the page being printed. A store without pages, or a
// choice that leaves no page to print, sends no job at all.
void runPrint(PreparedPages& pages, const PrintOptions& options, const PrintReportSettings& report,
              PrintProgress* progress);

// The spooler's name for the run's jobs: the report's title, else "Senza titolo".
std::string printJobTitle(const PrintReportSettings& report);

// The pages of one pass that `list` and `filter` choose.
int countSheets(const PreparedPages& pages, const PageList& list, printer::PageFilter filter);
// Whether the options choose any page at all; a bad page list throws platform::Error.
bool anyPageToPrint(const PreparedPages& pages, const PrintOptions& options);
// The sheets of paper the options take: the chosen pages times the copies.
int sheetsToPrint(const PreparedPages& pages, const PrintOptions& options);

// runPrint under the progress window ("Preparazione report - title", status "Stampa pagina:"),
// or directly when the report has an OnProgress handler, shows no progress or there is no
// window. Mouse-over events of the pages are held back while printing directly.
void printPrepared(PreparedPages& pages, const PrintOptions& options, const PrintReportSettings& report,
                   PrintProgressWindow* window);

}  // namespace prepared
