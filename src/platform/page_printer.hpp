#pragma once
// Printed pages: recorded as the program draws them, then drawn with cairo
// into a PDF document (sent to the default CUPS printer, or kept as a file)
// or into a picture for review.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.hpp"

namespace glossamo {

// A sheet of paper, its printable area and the printer's resolution.
struct PageGeometry {
    double paperWidth = 0, paperHeight = 0;  // points
    double left = 0, top = 0;                // the printable area's corner, points
    int width = 0, height = 0;               // the printable area, printer pixels
    int dpi = 300;

    // An A4 sheet printable to its edges.
    static PageGeometry a4(int dpi = 300);
    // From sizes in hundredths of millimetres, as the print system gives them.
    static PageGeometry fromMedia(int widthHmm, int lengthHmm, int leftHmm, int topHmm, int rightHmm,
                                  int bottomHmm, int dpi);
};

// A page as the program drew it, kept to be drawn again into any surface.
class RecordedPage : public PageCanvas {
public:
    enum class Kind { Text, Frame, Hatch };
    struct Operation {
        Kind kind = Kind::Text;
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // a text's start, or a rectangle
        int fontSize = 0;                    // points, for a text
        std::string text;                    // Latin-1
    };

    explicit RecordedPage(const PageGeometry& geometry) : geometry_(geometry) {}

    int width() const override { return geometry_.width; }
    int height() const override { return geometry_.height; }
    void setFontSize(int points) override { fontSize_ = points; }
    void text(int x, int y, const std::string& latin1) override;
    int textWidth(const std::string& latin1) const override;
    void frameRect(int left, int top, int right, int bottom) override;
    void hatchRect(int left, int top, int right, int bottom) override;

    const PageGeometry& geometry() const { return geometry_; }
    const std::vector<Operation>& operations() const { return operations_; }

private:
    PageGeometry geometry_;
    int fontSize_ = 10;
    std::vector<Operation> operations_;
};

// The page as a one-page PDF document on its sheet of paper. False, with
// `error` set, when cairo cannot make it or the file cannot be written.
bool pagePdf(const RecordedPage& page, std::string& pdf, std::string& error);
bool writePagePdf(const RecordedPage& page, const std::string& path, std::string& error);

// The printable area as a picture, `scale` picture pixels per printer pixel.
struct PageImage {
    int width = 0, height = 0;
    std::vector<std::uint32_t> argb;  // row after row, 0xAARRGGBB

    std::uint32_t pixel(int x, int y) const;
    // True where something is printed: a pixel darker than mid-grey.
    bool ink(int x, int y) const;
    bool writePng(const std::string& path) const;
};
PageImage renderPage(const RecordedPage& page, double scale = 1.0);

// What printing needs of a print system.
class PrintSystem {
public:
    virtual ~PrintSystem() = default;
    // The paper of the default printer; nothing, with `problem` set, when
    // there is no print system or no default printer.
    virtual std::optional<PageGeometry> defaultPage(std::string& problem) = 0;
    // Sends a PDF document to the default printer; false, with `problem` set,
    // when it is refused.
    virtual bool send(const std::string& title, const std::string& pdf, std::string& problem) = 0;
};

// The print system of the machine the program runs on.
std::unique_ptr<PrintSystem> machinePrintSystem();

// Latin-1 text as UTF-8, as print systems and browsers want it.
std::string utf8FromLatin1(const std::string& latin1);

// The CUPS default destination.
class CupsPrintSystem : public PrintSystem {
public:
    CupsPrintSystem() = default;
    ~CupsPrintSystem() override;
    CupsPrintSystem(const CupsPrintSystem&) = delete;
    CupsPrintSystem& operator=(const CupsPrintSystem&) = delete;

    std::optional<PageGeometry> defaultPage(std::string& problem) override;
    bool send(const std::string& title, const std::string& pdf, std::string& problem) override;

private:
    void release();
    struct Connection;
    Connection* connection_ = nullptr;
};

// Draws the page on the default printer's paper and sends it; when there is
// no printer or it refuses the page, draws it on A4 and writes it as a PDF
// at `pdfIfNotPrinted`. `drawn` receives the page as drawn last.
PrintOutcome printThrough(PrintSystem& system, const std::string& title,
                          const std::function<void(PageCanvas&)>& drawPage, const std::string& pdfIfNotPrinted,
                          std::optional<RecordedPage>& drawn);

}  // namespace glossamo
