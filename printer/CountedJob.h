// A print job that its printer counts as open from its start until it ends or is destroyed,
// so that the printer can refuse to change under it without asking anyone.
#pragma once

#include <memory>

#include "printer/PrintJob.h"

namespace printer {

class CountedJob final : public PrintJob {
public:
    CountedJob(std::unique_ptr<PrintJob> job, int& openJobs) : job_(std::move(job)), openJobs_(openJobs) {
        ++openJobs_;
    }
    // Aborts the job (its own destructor does) before it stops counting.
    ~CountedJob() override {
        job_.reset();
        close();
    }

    platform::Canvas& canvas() override { return job_->canvas(); }
    void newPage() override { job_->newPage(); }
    void end() override {
        close();
        job_->end();
    }

private:
    void close() {
        if (open_) --openJobs_;
        open_ = false;
    }

    std::unique_ptr<PrintJob> job_;
    int& openJobs_;
    bool open_ = true;
};

}  // namespace printer
