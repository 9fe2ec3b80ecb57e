// Opening a prepared-report file as the preview's Open and the command line do: what is not a
// regular file is refused in Italian without blocking, and the printer stored in a file never
// takes away the operator's printer.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <algorithm>

#include "prepared/PreparedReportIo.h"
#include "tests/prepared/PagesTestSupport.h"
#include "tests/support/FakePrinterBackend.h"

namespace {

namespace fs = std::filesystem;
using prepared::PreparedPages;

struct OpenFile : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("quirelle-open-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    static std::string messageOf(const std::function<void()>& step) {
        try {
            step();
        } catch (const std::exception& e) {
            return e.what();
        }
        return "(nessun errore)";
    }
};

TEST_F(OpenFile, AFolderIsNotAFile) {
    printer::Printer printer;
    PreparedPages pages(nullptr, &printer);
    const std::string message = messageOf([&] { prepared::loadPrepared(pages, dir.string()); });
    EXPECT_NE(message.find("non è un file"), std::string::npos) << message;
}

// A FIFO would block open() until a writer appears; it must be refused at once.
TEST_F(OpenFile, AFifoIsRefusedWithoutBlocking) {
    const fs::path fifo = dir / "report.frp";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    printer::Printer printer;
    PreparedPages pages(nullptr, &printer);
    auto opening = std::async(
        std::launch::async, [&] { return messageOf([&] { prepared::loadPrepared(pages, fifo.string()); }); });
    if (opening.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // Release the blocked reader so the test can end.
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
        FAIL() << "opening a FIFO blocked";
    }
    const std::string message = opening.get();
    EXPECT_NE(message.find("non è un file"), std::string::npos) << message;
}

TEST_F(OpenFile, MissingFilesAndFoldersAreSaidInItalian) {
    printer::Printer printer;
    PreparedPages pages(nullptr, &printer);
    EXPECT_EQ(messageOf([&] { prepared::loadPrepared(pages, (dir / "manca.frp").string()); }),
              "File non trovato: " + (dir / "manca.frp").string());
    const std::string message =
        messageOf([&] { prepared::savePrepared(pages, (dir / "manca" / "x.frp").string()); });
    EXPECT_EQ(message.rfind("Impossibile creare il file", 0), 0u) << message;
    std::vector<std::uint8_t> truncated{24, 0, 3, 'a'};
    EXPECT_EQ(messageOf([&] { pages.loadFromStream(truncated); }).find("Stream"), std::string::npos);
}

// Files written by the command line name the virtual printer; opening one on a machine with
// printers keeps the printer the operator has, and so does a printer this machine lacks.
TEST_F(OpenFile, AStoredPrinterThatIsNotAvailableKeepsTheCurrentOne) {
    report_test::FakeBarcodeRegistration barcodeClass;
    printer::Printer headless;
    headless.attachPrinter(nullptr);  // as the command line has it: the virtual printer alone
    auto tpl = pages_test::templatePage(headless);
    PreparedPages written(nullptr, &headless);
    pages_test::addLabelSheet(written, *tpl, 0, true);
    std::vector<std::uint8_t> bytes = written.saveToBytes();
    ASSERT_EQ(headless.currentPrinterName(), "Stampante virtuale");

    printer::FakePrinter office;
    office.name = "Ufficio";
    printer::FakePrinterBackend backend({office}, 0);
    printer::Printer printer;
    printer.attachPrinter(&backend);
    report::Report report;
    report.printerName = "Ufficio";
    PreparedPages opened(&report, &printer);
    opened.loadFromStream(bytes);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(printer.currentPrinterName(), "Ufficio");
    EXPECT_FALSE(printer.isVirtual());
    EXPECT_EQ(report.printerName, "Ufficio");

    // The same for a printer name this machine does not have.
    const std::string virtualName = "Stampante virtuale";
    const auto at = std::search(bytes.begin(), bytes.end(), virtualName.begin(), virtualName.end());
    ASSERT_NE(at, bytes.end());
    const std::string elsewhere = "Stampante remota.!";  // same length
    std::copy(elsewhere.begin(), elsewhere.end(), at);
    opened.loadFromStream(bytes);
    EXPECT_EQ(printer.currentPrinterName(), "Ufficio");
    EXPECT_EQ(report.printerName, "Ufficio");
}

}  // namespace
