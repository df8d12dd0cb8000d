#include "platform/headless_platform.hpp"

#include <algorithm>

namespace glossamo {

namespace {

// A print system that does what the test switches say.
class ScriptedPrinter : public PrintSystem {
public:
    explicit ScriptedPrinter(HeadlessPlatform& p) : p_(p) {}
    std::optional<PageGeometry> defaultPage(std::string& problem) override {
        if (p_.printerPresent) return p_.printerPaper;
        problem = "no default printer";
        return std::nullopt;
    }
    bool send(const std::string& title, const std::string&, std::string& problem) override {
        if (p_.printerRefuses) {
            problem = "the printer refused the job";
            return false;
        }
        p_.journal.push_back("print " + title);
        return true;
    }

private:
    HeadlessPlatform& p_;
};

}  // namespace

PrintOutcome HeadlessPlatform::printPage(const std::string& title, const std::function<void(PageCanvas&)>& drawPage,
                                         const std::string& pdfIfNotPrinted) {
    ScriptedPrinter printer(*this);
    return printThrough(printer, title, drawPage, pdfIfNotPrinted, printedPage);
}

int HeadlessPlatform::count(const std::string& line) const {
    return static_cast<int>(std::count(journal.begin(), journal.end(), line));
}

bool HeadlessPlatform::loadSound(int slot, const std::string& path) {
    journal.push_back("sound load " + std::to_string(slot) + " " + path);
    return audioPresent;
}

bool HeadlessPlatform::playSound(int slot) {
    if (!audioPresent || slot < 0 || slot >= SoundSlots) return false;
    journal.push_back("sound " + std::to_string(slot));
    return true;
}

bool HeadlessPlatform::musicPrepare() { return audioPresent; }

bool HeadlessPlatform::musicOpen(const std::string& path) {
    musicOpen_ = audioPresent && musicFilesOpen;
    musicHasEnded = false;
    if (musicOpen_) journal.push_back("music open " + path);
    return musicOpen_;
}

bool HeadlessPlatform::musicRewind() {
    if (musicOpen_) journal.push_back("music rewind");
    return musicOpen_;
}

bool HeadlessPlatform::musicPlay() {
    if (musicOpen_) journal.push_back("music play");
    return musicOpen_;
}

void HeadlessPlatform::musicPause() {
    if (musicOpen_) journal.push_back("music pause");
}

}  // namespace glossamo
