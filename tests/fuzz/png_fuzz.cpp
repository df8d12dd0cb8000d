// PNG import: the input is a picture file the player chose as a PNG.
#include "fuzz_target.hpp"
#include "picture_fuzz.hpp"

FUZZ_TARGET(png) {
    glossamo::fuzz::importPictureFile(glossamo::fuzz::bytesOf(data, size), glossamo::PictureFile::Format::Png, ".png");
    return 0;
}
