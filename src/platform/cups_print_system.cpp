// The desktop's print system: the default CUPS destination.
#include <cups/cups.h>

#include <cmath>

#include "platform/page_printer.hpp"

namespace glossamo {

std::unique_ptr<PrintSystem> machinePrintSystem() { return std::make_unique<CupsPrintSystem>(); }

struct CupsPrintSystem::Connection {
    cups_dest_t* dest = nullptr;
    cups_dinfo_t* info = nullptr;
};

CupsPrintSystem::~CupsPrintSystem() { release(); }

void CupsPrintSystem::release() {
    if (!connection_) return;
    if (connection_->info) cupsFreeDestInfo(connection_->info);
    if (connection_->dest) cupsFreeDests(1, connection_->dest);
    delete connection_;
    connection_ = nullptr;
}

std::optional<PageGeometry> CupsPrintSystem::defaultPage(std::string& problem) {
    release();
    connection_ = new Connection;
    Connection& c = *connection_;
    c.dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!c.dest) {
        problem = std::string("no default printer: ") + cupsLastErrorString();
        return std::nullopt;
    }
    // The default destination is asked through the CUPS server's own
    // connection (CUPS_HTTP_DEFAULT), which may be a local socket.
    c.info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, c.dest);
    if (!c.info) {
        problem = std::string("the printer ") + c.dest->name + " does not answer: " + cupsLastErrorString();
        return std::nullopt;
    }
    int dpi = 300;
    if (ipp_attribute_t* resolution = cupsFindDestDefault(CUPS_HTTP_DEFAULT, c.dest, c.info, "printer-resolution")) {
        int yres = 0;
        ipp_res_t units = IPP_RES_PER_INCH;
        const int xres = ippGetResolution(resolution, 0, &yres, &units);
        if (xres > 0) dpi = units == IPP_RES_PER_CM ? static_cast<int>(std::lround(xres * 2.54)) : xres;
    }
    cups_size_t size{};
    if (!cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, c.dest, c.info, 0, &size) || size.width <= 0 || size.length <= 0)
        return PageGeometry::a4(dpi);
    return PageGeometry::fromMedia(size.width, size.length, size.left, size.top, size.right, size.bottom, dpi);
}

bool CupsPrintSystem::send(const std::string& title, const std::string& pdf, std::string& problem) {
    if (!connection_ || !connection_->info) {
        problem = "no printer";
        return false;
    }
    Connection& c = *connection_;
    const std::string name = utf8FromLatin1(title);
    int job = 0;
    if (cupsCreateDestJob(CUPS_HTTP_DEFAULT, c.dest, c.info, &job, name.c_str(), 0, nullptr) > IPP_STATUS_OK_CONFLICTING ||
        job <= 0) {
        problem = std::string("the printer refused the job: ") + cupsLastErrorString();
        return false;
    }
    bool sent = cupsStartDestDocument(CUPS_HTTP_DEFAULT, c.dest, c.info, job, name.c_str(), CUPS_FORMAT_PDF, 0, nullptr, 1) ==
                HTTP_STATUS_CONTINUE;
    sent = sent && cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.data(), pdf.size()) == HTTP_STATUS_CONTINUE;
    sent = cupsFinishDestDocument(CUPS_HTTP_DEFAULT, c.dest, c.info) <= IPP_STATUS_OK_CONFLICTING && sent;
    if (!sent) {
        problem = std::string("the page could not be sent: ") + cupsLastErrorString();
        cupsCancelDestJob(CUPS_HTTP_DEFAULT, c.dest, job);
    }
    release();
    return sent;
}

}  // namespace glossamo
