#include "platform/canvas.hpp"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdio>
#include <fstream>

#include "support/program_fixture.hpp"

namespace glossamo::testing {

namespace {

constexpr Rgb Blue{0, 0, 255};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Green{0, 255, 0};

// A 4 x 2 picture: left half blue (the colour key), right half red.
SDL_Surface* keyedPicture() {
    SDL_Surface* p = SDL_CreateRGBSurfaceWithFormat(0, 4, 2, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(p, nullptr, SDL_MapRGB(p->format, 0, 0, 255));
    SDL_Rect right{2, 0, 2, 2};
    SDL_FillRect(p, &right, SDL_MapRGB(p->format, 255, 0, 0));
    return p;
}

void writeJpeg(const std::string& path, int w, int h, Rgb colour) {
    FILE* f = std::fopen(path.c_str(), "wb");
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, f);
    info.image_width = static_cast<JDIMENSION>(w);
    info.image_height = static_cast<JDIMENSION>(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(w) * 3);
    for (int x = 0; x < w; ++x) {
        row[static_cast<std::size_t>(x) * 3] = colour.r;
        row[static_cast<std::size_t>(x) * 3 + 1] = colour.g;
        row[static_cast<std::size_t>(x) * 3 + 2] = colour.b;
    }
    for (int y = 0; y < h; ++y) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(f);
}

bool near565(std::uint16_t pixel, Rgb expected) {
    const int r = (pixel >> 11) << 3, g = ((pixel >> 5) & 63) << 2, b = (pixel & 31) << 3;
    return std::abs(r - expected.r) <= 16 && std::abs(g - expected.g) <= 16 && std::abs(b - expected.b) <= 16;
}

}  // namespace

TEST(Canvas, ColourKeyedPixelsAreNotDrawn) {
    Canvas canvas;
    canvas.clear(Green);
    ASSERT_TRUE(canvas.setImage(ImageSet::Interface, 5, keyedPicture(), ColourKey{true, Blue}));
    canvas.drawImage(ImageSet::Interface, 5, 10, 20);
    EXPECT_EQ(canvas.pixel(10, 20), Canvas::toRgb565(Green)) << "blue is transparent";
    EXPECT_EQ(canvas.pixel(12, 20), Canvas::toRgb565(Red));

    canvas.drawImagePart(ImageSet::Interface, 5, 100, 100, Rect{0, 0, 2, 1}, false);
    EXPECT_EQ(canvas.pixel(100, 100), Canvas::toRgb565(Blue)) << "an opaque part shows the key colour";
    canvas.drawImage(ImageSet::Interface, 5, 200, 200);
    EXPECT_EQ(canvas.pixel(200, 200), Canvas::toRgb565(Green)) << "the key survives an opaque draw";
}

TEST(Canvas, PanelKeyOneStepFromBlueIsTheSameSixteenBitColour) {
    EXPECT_EQ(Canvas::toRgb565(Rgb{0, 0, 254}), Canvas::toRgb565(Blue));
}

TEST(Canvas, StretchFillsTheTargetRectangle) {
    Canvas canvas;
    canvas.setImage(ImageSet::Screen, 1, keyedPicture(), ColourKey{});
    canvas.stretchImage(ImageSet::Screen, 1, Rect{0, 0, 40, 20}, false);
    EXPECT_EQ(canvas.pixel(5, 15), Canvas::toRgb565(Blue));
    EXPECT_EQ(canvas.pixel(35, 15), Canvas::toRgb565(Red));
    EXPECT_EQ(canvas.pixel(45, 5), Canvas::toRgb565(Rgb{})) << "nothing outside the rectangle";
}

TEST(Canvas, OutOfRangeSlotsAreRefusedAndDrawNothing) {
    Canvas canvas;
    EXPECT_FALSE(canvas.setImage(ImageSet::Screen, 7, keyedPicture(), ColourKey{}));
    canvas.drawImage(ImageSet::Pendu, 59, 0, 0);
    canvas.drawImage(ImageSet::Pendu, -1, 0, 0);
    EXPECT_FALSE(canvas.hasImage(ImageSet::Interface, 0));
}

TEST(Canvas, LoadsJpegAndBmpAndKeepsTheOldPictureOnFailure) {
    TempDir dir;
    const std::string jpeg = dir.path().bytes() + "fond.jpg";
    writeJpeg(jpeg, 16, 8, Red);
    const std::string bmp = dir.path().bytes() + "tete.bmp";
    SDL_Surface* picture = keyedPicture();
    SDL_SaveBMP(picture, bmp.c_str());
    SDL_FreeSurface(picture);

    Canvas canvas;
    ASSERT_TRUE(canvas.loadImage(ImageSet::Screen, 0, jpeg, ColourKey{}));
    EXPECT_EQ(canvas.image(ImageSet::Screen, 0)->w, 16);
    canvas.drawImage(ImageSet::Screen, 0, 0, 0);
    EXPECT_TRUE(near565(canvas.pixel(8, 4), Red));
    ASSERT_TRUE(canvas.loadImage(ImageSet::Screen, 1, bmp, ColourKey{true, Blue}));
    EXPECT_EQ(canvas.image(ImageSet::Screen, 1)->w, 4);

    dir.write("broken.jpg", std::string("\xFF\xD8\xFF\xE0 not really a picture", 25));
    EXPECT_FALSE(canvas.loadImage(ImageSet::Screen, 0, dir.path().bytes() + "broken.jpg", ColourKey{}));
    EXPECT_FALSE(canvas.lastError().empty());
    EXPECT_FALSE(canvas.loadImage(ImageSet::Screen, 0, dir.path().bytes() + "missing.bmp", ColourKey{}));
    EXPECT_EQ(canvas.image(ImageSet::Screen, 0)->w, 16) << "the slot keeps its picture";

    // A JPEG cut short decodes what it has, or fails, but never ends the process.
    std::ifstream whole(jpeg, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    dir.write("cut.jpg", bytes.substr(0, bytes.size() / 2));
    canvas.loadImage(ImageSet::Screen, 2, dir.path().bytes() + "cut.jpg", ColourKey{});
}

// A file that claims an enormous picture is refused from its header: read
// whole, it would ask for gigabytes (found by fuzzing the picture import).
TEST(Canvas, PicturesClaimingAHugeSizeAreRefusedBeforeDecoding) {
    TempDir dir;
    // 3072 x 3 672 576 pixels at one bit each, in 100 bytes.
    std::string bmp("BMf\0\0\0\0\0\0\0>\0+\0\0(\0\0\0\x0c\0\0\0\x0a" "8\0\0\0\x01\0\x01\0", 32);
    bmp.resize(100, '\0');
    dir.write("huge.bmp", bmp);
    // The oldest header: 16-bit sides, 65535 x 65535.
    std::string core("BM\0\0\0\0\0\0\0\0\x1a\0\0\0\x0c\0\0\0\xff\xff\xff\xff\x01\0\x18\0", 26);
    core.resize(64, '\0');
    dir.write("core.bmp", core);
    // A real JPEG whose frame header is made to say 60000 x 60000.
    const std::string jpeg = dir.path().bytes() + "huge.jpg";
    writeJpeg(jpeg, 16, 8, Red);
    std::ifstream in(jpeg, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t frame = bytes.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    bytes.replace(frame + 5, 4, "\xEA\x60\xEA\x60");
    dir.write("huge.jpg", bytes);

    Canvas canvas;
    for (const char* name : {"huge.bmp", "core.bmp", "huge.jpg"}) {
        EXPECT_FALSE(canvas.loadImage(ImageSet::Interface, 3, dir.path().bytes() + name, ColourKey{})) << name;
        EXPECT_NE(canvas.lastError().find("too large"), std::string::npos) << name << ": " << canvas.lastError();
        std::string error;
        const bool isJpeg = std::string(name).ends_with(".jpg");
        EXPECT_EQ(PictureFile::load(dir.path().bytes() + name, isJpeg ? PictureFile::Format::Jpeg : PictureFile::Format::Bmp,
                                    error),
                  nullptr);
        EXPECT_NE(error.find("too large"), std::string::npos) << name << ": " << error;
    }
}

TEST(Canvas, ScreenPictureChangedOnDiskIsReadAgain) {
    TempDir dir;
    const std::string path = dir.path().bytes() + "fond.jpg";
    writeJpeg(path, 16, 8, Red);
    Canvas canvas;
    ASSERT_TRUE(canvas.loadImage(ImageSet::Screen, 0, path, ColourKey{}));
    ASSERT_TRUE(canvas.loadImage(ImageSet::Screen, 0, path, ColourKey{})) << "from the decoded copy";
    EXPECT_EQ(canvas.image(ImageSet::Screen, 0)->w, 16);
    writeJpeg(path, 24, 8, Green);
    ASSERT_TRUE(canvas.loadImage(ImageSet::Screen, 0, path, ColourKey{}));
    EXPECT_EQ(canvas.image(ImageSet::Screen, 0)->w, 24);
    canvas.drawImage(ImageSet::Screen, 0, 0, 0);
    EXPECT_TRUE(near565(canvas.pixel(4, 4), Green));
}

TEST(Canvas, ShapesAndSystemTextDrawOnTheBackBuffer) {
    Canvas canvas;
    canvas.roundedRect(Rect{10, 10, 40, 30}, 10, Green, 2);
    EXPECT_EQ(canvas.pixel(30, 10), Canvas::toRgb565(Green)) << "top edge";
    EXPECT_EQ(canvas.pixel(30, 11), Canvas::toRgb565(Green)) << "pen width 2";
    EXPECT_EQ(canvas.pixel(30, 25), 0) << "no fill";
    canvas.fillRect(Rect{100, 100, 5, 5}, Red);
    EXPECT_EQ(canvas.pixel(104, 104), Canvas::toRgb565(Red));

    ASSERT_TRUE(canvas.systemText(200, 200, "\xC9t\xE9 12", 12, true, Red));
    int inked = 0;
    for (int y = 200; y < 220; ++y)
        for (int x = 200; x < 260; ++x) inked += canvas.pixel(x, y) != 0;
    EXPECT_GT(inked, 20);
}

}  // namespace glossamo::testing
