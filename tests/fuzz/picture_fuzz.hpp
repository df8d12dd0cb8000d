#pragma once
// The picture import shared by the BMP and JPEG targets: the file is read as
// the player's chosen picture and stretched into a head picture, and read
// as an image of the program (format told by content) and drawn.
#include <memory>
#include <string>

#include "fuzz_support.hpp"
#include "platform/canvas.hpp"

namespace glossamo::fuzz {

inline void importPictureFile(std::string_view bytes, PictureFile::Format format, const char* extension) {
    static Canvas canvas;
    const std::string path = scratchFolder() + "picture" + extension;
    writeFile(path, bytes);
    std::string error;
    if (const std::unique_ptr<PictureFile> picture = PictureFile::load(path, format, error))
        picture->saveStretchedBmp(80, 90, scratchFolder() + "head.bmp", error);
    if (canvas.loadImage(ImageSet::Interface, 3, path, ColourKey{true, {0, 0, 255}})) {
        canvas.drawImage(ImageSet::Interface, 3, 10, 10);
        canvas.stretchImage(ImageSet::Interface, 3, Rect{0, 0, 80, 90});
    }
}

}  // namespace glossamo::fuzz
