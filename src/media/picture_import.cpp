#include "media/picture_import.hpp"

#include <algorithm>
#include <memory>

#include "base/file_system.hpp"
#include "base/text_encoding.hpp"
#include "media/asset_loading.hpp"
#include "platform/canvas.hpp"
#include "state/debug_log.hpp"
#include "state/program_state.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo {

namespace {

constexpr int LastSuffix = 20;
constexpr int CannotSave = 54;
constexpr int Unreadable = 87;

// The dialog offers every picture the program reads, photos first.
constexpr const char* PictureFilter =
    "Images (*.jpg, *.jpeg, *.png, *.bmp)|*.JPG *.JPEG *.PNG *.BMP|Photo JPEG (*.jpg, *.jpeg)|*.JPG *.JPEG|"
    "Image PNG (*.png)|*.PNG|Image Bitmap (*.bmp)|*.BMP";

// The first of "base", "base 1" .. "base 20" that names no picture of
// `folder`, whatever the case of its ending; "base 20" when all of them exist.
std::string freeName(const SystemPath& folder, const std::string& base) {
    for (int n = 0; n < LastSuffix; ++n) {
        const std::string name = n == 0 ? base : base + " " + std::to_string(n);
        if (!ownPicture(folder, name)) return name;
    }
    return base + " " + std::to_string(LastSuffix);
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::unique_ptr<PictureFile> readChosenPicture(ProgramState& s, const SystemPath& path) {
    const std::string& bytes = path.bytes();
    const std::string name = upperAscii(bytes);
    std::string error;
    std::unique_ptr<PictureFile> picture;
    if (endsWith(name, ".BMP"))
        picture = PictureFile::load(path.bytes(), PictureFile::Format::Bmp, error);
    else if (endsWith(name, ".JPG") || endsWith(name, ".JPEG"))
        picture = PictureFile::load(path.bytes(), PictureFile::Format::Jpeg, error);
    else if (endsWith(name, ".PNG"))
        picture = PictureFile::load(path.bytes(), PictureFile::Format::Png, error);
    else
        error = "ni BMP ni JPEG ni PNG";
    if (!picture) {
        s.app.hoverText = s.app.comments[Unreadable].view();
        showPopup(s, 2, 520, s.app.comments[Unreadable].view());
        debugLog(s, "Import de " + path + " impossible: " + utf8ToLatin1(error));
    }
    return picture;
}

}  // namespace

void startPictureImport(ProgramState& s, int mode) {
    s.app.importMode = static_cast<std::uint8_t>(mode);
    const std::optional<std::string> chosen =
        s.platform.choosePicture("Import:", PictureFilter, expandHome(s.app.comments[66].str()).bytes());
    if (chosen) importPicture(s, SystemPath::fromSystem(*chosen));
    s.app.importMode = importmode::None;
}

void importPicture(ProgramState& s, const SystemPath& chosenPath) {
    if (s.app.userFoldersPresent != 1) {
        // Without the player's folders there is nowhere to keep the picture.
        showPopup(s, 2, 520, s.app.comments[CannotSave].view());
        s.app.importMode = importmode::None;
        return;
    }
    const bool head = s.app.importMode == importmode::Head;
    const std::string base(s.app.comments[head ? 86 : 85].view());
    // A file that cannot be read imports nothing, rather than an empty picture.
    const std::unique_ptr<PictureFile> picture = readChosenPicture(s, chosenPath);
    if (picture) {
        const SystemPath folder = s.userDir + (head ? "TETE/" : "FONDS/");
        const std::string name = freeName(folder, base);
        std::string error;
        if (!picture->saveStretchedBmp(head ? 80 : 800, head ? 90 : 600, (folder + name + ".bmp").bytes(),
                                       error)) {
            debugLog(s, "Enregistrement de " + folder + name + " impossible: " + utf8ToLatin1(error));
            showPopup(s, 2, 520, s.app.comments[CannotSave].view());
        } else if (head) {
            listAdd(s, 8, name);
            showPopup(s, 2, 520, s.app.comments[53].view());
            loadHead(s, name);
            ListBox& heads = s.listBox(8);
            heads.selected = heads.count;
            // The new name shows in the list at once, on its last row.
            heads.firstShown = std::max(0, heads.count - heads.rowsShown);
        } else {
            showPopup(s, 2, 520, s.app.comments[55].view());
            fillBackgroundList(s);
        }
    }
    s.app.importMode = importmode::None;
}

}  // namespace glossamo
