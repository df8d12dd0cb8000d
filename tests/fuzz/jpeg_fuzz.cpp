// JPEG import: the input is a picture file the player chose as a JPEG.
#include "fuzz_target.hpp"
#include "picture_fuzz.hpp"

FUZZ_TARGET(jpeg) {
    glossamo::fuzz::importPictureFile(glossamo::fuzz::bytesOf(data, size), glossamo::PictureFile::Format::Jpeg, ".jpg");
    return 0;
}
