// The browser's print system: the page, drawn on A4, is handed to the
// browser as a PDF document, which it offers as a download named after the
// printed grid; the player prints it from there.
#include "platform/page_printer.hpp"

extern "C" {
// Offers `size` bytes of PDF at `data` as the download `name` (UTF-8):
// the page's side, web/glossamo_library.js.
int glossamo_offer_pdf(const char* name, const unsigned char* data, int size);
}

namespace glossamo {

namespace {

// The title, with the characters a file name cannot hold made dashes.
std::string downloadName(const std::string& utf8Title) {
    std::string name;
    for (const char c : utf8Title) name += (c == '/' || c == '\\' || c == ':' || c == '"') ? '-' : c;
    return (name.empty() ? std::string("grille") : name) + ".pdf";
}

class BrowserPrintSystem : public PrintSystem {
public:
    std::optional<PageGeometry> defaultPage(std::string&) override { return PageGeometry::a4(); }
    bool send(const std::string& title, const std::string& pdf, std::string& problem) override {
        const std::string name = downloadName(utf8FromLatin1(title));
        if (glossamo_offer_pdf(name.c_str(), reinterpret_cast<const unsigned char*>(pdf.data()),
                             static_cast<int>(pdf.size())))
            return true;
        problem = "the browser refused the download";
        return false;
    }
};

}  // namespace

std::unique_ptr<PrintSystem> machinePrintSystem() { return std::make_unique<BrowserPrintSystem>(); }

}  // namespace glossamo
