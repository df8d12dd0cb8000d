// BMP import: the input is a picture file the player chose as a BMP.
#include "fuzz_target.hpp"
#include "picture_fuzz.hpp"

FUZZ_TARGET(bmp) {
    glossamo::fuzz::importPictureFile(glossamo::fuzz::bytesOf(data, size), glossamo::PictureFile::Format::Bmp, ".bmp");
    return 0;
}
