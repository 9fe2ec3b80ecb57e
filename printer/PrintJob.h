// One open print job. Pages are drawn on its canvas one after the other; end() hands the job
// on whole. A job destroyed before end() is aborted and nothing of it reaches the paper, so
// an exception that leaves the printing code never leaves a half-sent job behind.
#pragma once

namespace platform {
class Canvas;
}

namespace printer {

class PrintJob {
public:
    virtual ~PrintJob() = default;
    PrintJob() = default;
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // The surface of the page being printed.
    virtual platform::Canvas& canvas() = 0;
    // Finishes the page and starts the next one.
    virtual void newPage() = 0;
    // Finishes the last page and hands the job on. The job is over even when this throws.
    virtual void end() = 0;
};

}  // namespace printer
