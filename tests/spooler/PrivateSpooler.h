// A private CUPS spooler for end-to-end print tests: cupsd run from a temporary folder by
// scripts/private-cupsd.sh, with one PDF queue whose jobs come out as PDF files.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace spooler_test {

class PrivateSpooler {
public:
    // The PDF queues to add; the first is the spooler's default.
    explicit PrivateSpooler(std::vector<std::string> queues = {"QuirelleTest"}) : queues_(std::move(queues)) {}
    ~PrivateSpooler();
    PrivateSpooler(const PrivateSpooler&) = delete;
    PrivateSpooler& operator=(const PrivateSpooler&) = delete;

    // Starts cupsd and adds the queue, then points this process's CUPS clients (Qt too) at it.
    // Must run before the first printer query of the process. Returns false with the reason
    // when the spooler cannot run here.
    bool start(std::string& whyNot);
    // Stops cupsd, removes its folder and the PDFs handed out by waitForPdf.
    void stop();

    const std::string& queue() const { return queues_.front(); }
    const std::vector<std::string>& queues() const { return queues_; }
    // Adds a PDF queue to the running spooler, or removes one, as an administrator would.
    bool addQueue(const std::string& queue);
    bool removeQueue(const std::string& queue);
    // How many jobs the spooler has taken on `queue`, finished or not.
    int jobCount(const std::string& queue) const;
    const std::string& socket() const { return socket_; }
    // Where the queue's PDFs appear.
    const std::string& outputDir() const { return outputDir_; }

    // A job title no other job of this machine uses; its PDF is found by it.
    std::string uniqueTitle(const std::string& stem);
    // The complete PDF of the job whose title contains `title`, or "" when none appeared in time.
    std::string waitForPdf(const std::string& title, std::chrono::seconds timeout = std::chrono::seconds(60));

private:
    std::string folder_;
    std::vector<std::string> queues_;
    std::string socket_;
    std::string outputDir_;
    std::vector<std::string> pdfs_;
    int titles_ = 0;
    bool running_ = false;
};

}  // namespace spooler_test
