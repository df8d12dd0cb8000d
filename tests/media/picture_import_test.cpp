#include "media/picture_import.hpp"

#include <SDL2/SDL.h>
#include <png.h>

#include "base/file_system.hpp"
#include "media/asset_loading.hpp"
#include "platform/canvas.hpp"
#include "support/program_fixture.hpp"
#include "widgets/list_boxes.hpp"

namespace glossamo::testing {

namespace {

void writeBmp(const std::string& path, int w, int h) {
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, 200, 100, 50));
    SDL_SaveBMP(picture, path.c_str());
    SDL_FreeSurface(picture);
}

// A half-transparent PNG, the kind a screenshot tool or a drawing program writes.
void writePng(const std::string& path, int w, int h) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(w);
    image.height = static_cast<png_uint_32>(h);
    image.format = PNG_FORMAT_RGBA;
    const std::vector<unsigned char> pixels(static_cast<std::size_t>(w) * h * 4, 128);
    png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr);
}

std::pair<int, int> bmpSize(const std::string& path) {
    SDL_Surface* picture = SDL_LoadBMP(path.c_str());
    if (!picture) return {0, 0};
    const std::pair<int, int> size{picture->w, picture->h};
    SDL_FreeSurface(picture);
    return size;
}

}  // namespace

class PictureImport : public ProgramFixture {
protected:
    TempDir user, outside;
    void SetUp() override {
        s.userDir = user.path();
        user.makeFolder("TETE");
        user.makeFolder("FONDS");
        s.app.userFoldersPresent = 1;
        s.app.comments[85] = "Fond";
        s.app.comments[86] = "Tete";
        s.app.comments[87] = "Image illisible";
        s.app.comments[53] = "Image ajout\xE9" "e";
        s.app.comments[55] = "Fond ajout\xE9";
        s.app.comments[54] = "Impossible d'enregistrer";
        s.app.comments[66] = outside.path().bytes();
        writeBmp(outside.path().bytes() + "photo.BMP", 160, 120);
    }
};

TEST_F(PictureImport, HeadIsStretchedToEightyByNinetyAndChosen) {
    platform.pictureChoice = outside.path().bytes() + "photo.BMP";
    startPictureImport(s, 1);
    EXPECT_EQ(bmpSize(user.path().bytes() + "TETE/Tete.bmp"), std::make_pair(80, 90));
    EXPECT_EQ(s.listBox(8).entries[1], "Tete") << "no blank after the name";
    EXPECT_EQ(s.listBox(8).selected, 1);
    EXPECT_EQ(s.listBox(8).firstShown, 0);
    EXPECT_EQ(s.popup.text.view(), "Image ajout\xE9" "e");
    EXPECT_EQ(s.app.importMode, 0);
    EXPECT_EQ(platform.journal.front(),
              "dialog Import: Images (*.jpg, *.jpeg, *.png, *.bmp)|*.JPG *.JPEG *.PNG *.BMP|Photo JPEG (*.jpg, *.jpeg)|"
              "*.JPG *.JPEG|Image PNG (*.png)|*.PNG|Image Bitmap (*.bmp)|*.BMP " + outside.path());
}

// The dialog's file is read where it is, in a folder named in any script.
TEST_F(PictureImport, BackgroundIsStretchedToTheScreen) {
    const std::string folder = outside.path().bytes() + "\u0444\u043e\u0442\u043e/";
    std::filesystem::create_directories(folder);
    writePng(folder + "plage.png", 160, 120);
    platform.pictureChoice = folder + "plage.png";
    startPictureImport(s, 2);
    EXPECT_EQ(bmpSize(user.path().bytes() + "FONDS/Fond.bmp"), std::make_pair(800, 600));
    EXPECT_EQ(s.popup.text.view(), "Fond ajout\xE9");
}

TEST_F(PictureImport, NamesTakeTheNextFreeSuffixAndTheTwentiethIsOverwritten) {
    const auto importHead = [&] {
        s.app.importMode = 1;
        importPicture(s, outside.path() + "photo.BMP");
    };
    importHead();
    importHead();
    EXPECT_TRUE(fileExists(user.path() + "TETE/Tete.bmp"));
    EXPECT_TRUE(fileExists(user.path() + "TETE/Tete 1.bmp"));
    for (int n = 2; n <= 20; ++n) user.write("TETE/Tete " + std::to_string(n) + ".bmp", "old");
    importHead();
    EXPECT_EQ(bmpSize(user.path().bytes() + "TETE/Tete 20.bmp"), std::make_pair(80, 90)) << "the last name is reused";
    EXPECT_FALSE(fileExists(user.path() + "TETE/Tete 21.bmp"));
}

TEST_F(PictureImport, DamagedOrUnknownFilesImportNothing) {
    s.app.importMode = 1;
    outside.write("cassee.jpg", std::string("\xFF\xD8\xFF\xE0 garbage", 12));
    importPicture(s, outside.path() + "cassee.jpg");
    EXPECT_EQ(s.app.hoverText.view(), "Image illisible");
    outside.write("faux.bmp", "BM not a bitmap");
    s.app.hoverText.clear();
    importPicture(s, outside.path() + "faux.bmp");
    EXPECT_EQ(s.app.hoverText.view(), "Image illisible");
    EXPECT_EQ(s.popup.text.view(), "Image illisible") << "the player is told, not only the log";
    outside.write("coupee.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    s.popup = InfoPopup{};
    importPicture(s, outside.path() + "coupee.png");
    EXPECT_EQ(s.popup.text.view(), "Image illisible");
    s.popup = InfoPopup{};
    importPicture(s, outside.path() + "notes.txt");
    EXPECT_EQ(s.popup.text.view(), "Image illisible");
    EXPECT_EQ(listFolder(user.path() + "TETE", "*").size(), 0u);
    EXPECT_EQ(s.listBox(8).entries[1], "");
}

TEST_F(PictureImport, RefusedWithoutThePlayersFolders) {
    s.app.userFoldersPresent = 0;
    s.app.importMode = 1;
    importPicture(s, outside.path() + "photo.BMP");
    EXPECT_EQ(listFolder(user.path() + "TETE", "*").size(), 0u);
    EXPECT_EQ(s.popup.text.view(), "Impossible d'enregistrer") << "never silence";
    EXPECT_EQ(s.popup.active, 1);
}

TEST_F(PictureImport, AFailedSaveIsNotAnnouncedAsASuccess) {
    std::filesystem::remove_all(user.path().bytes() + "TETE");
    user.write("TETE", "a file where the folder should be");
    s.app.importMode = 1;
    importPicture(s, outside.path() + "photo.BMP");
    EXPECT_EQ(s.popup.text.view(), "Impossible d'enregistrer");
    EXPECT_EQ(s.listBox(8).entries[1], "") << "nothing was added";
}

TEST_F(PictureImport, DialogStartsInTheHomeFolderNamedByTheComment) {
    s.app.comments[66] = "~/Images/";
    startPictureImport(s, 1);
    const char* home = std::getenv("HOME");
    EXPECT_EQ(platform.journal.back(), "dialog Import: Images (*.jpg, *.jpeg, *.png, *.bmp)|*.JPG *.JPEG *.PNG *.BMP|Photo JPEG (*.jpg, *.jpeg)|"
              "*.JPG *.JPEG|Image PNG (*.png)|*.PNG|Image Bitmap (*.bmp)|*.BMP " +
                                           std::string(home ? home : "") + "/Images/");
}

TEST_F(PictureImport, CancelledDialogImportsNothing) {
    platform.pictureChoice.reset();
    startPictureImport(s, 2);
    EXPECT_EQ(listFolder(user.path() + "FONDS", "*").size(), 0u);
    EXPECT_EQ(s.app.importMode, 0);
}

}  // namespace glossamo::testing

namespace glossamo::testing {

TEST_F(PictureImport, HandCopiedPicturesLoadWhateverTheCaseOfTheirEnding) {
    writeBmp(user.path().bytes() + "TETE/Photo.BMP", 80, 90);
    writeBmp(user.path().bytes() + "FONDS/Plage.Bmp", 800, 600);
    Canvas& canvas = platform.canvas();
    ASSERT_FALSE(canvas.hasImage(ImageSet::Screen, 1));
    loadHead(s, "Photo");
    ASSERT_TRUE(canvas.hasImage(ImageSet::Screen, 1));
    EXPECT_EQ(canvas.image(ImageSet::Screen, 1)->w, 80);
    ASSERT_FALSE(canvas.hasImage(ImageSet::Screen, 0));
    s.listBox(4).entries[5] = "Plage";
    loadBackground(s, 5);
    ASSERT_TRUE(canvas.hasImage(ImageSet::Screen, 0));
    EXPECT_EQ(canvas.image(ImageSet::Screen, 0)->w, 800);

    writeBmp(user.path().bytes() + "TETE/Tete.BMP", 80, 90);
    s.app.importMode = 1;
    importPicture(s, outside.path() + "photo.BMP");
    EXPECT_FALSE(fileExists(user.path() + "TETE/Tete.bmp")) << "a name taken with a capital ending is not taken again";
    EXPECT_TRUE(fileExists(user.path() + "TETE/Tete 1.bmp"));
}

TEST_F(PictureImport, TheNewPortraitShowsInTheListAtOnce) {
    s.listBox(8).rowsShown = 5;
    for (const char* name : {"Camille", "Chat", "Hugo", "Joueur", "Louise", "Lucien", "Margot"}) listAdd(s, 8, name);
    s.app.importMode = 1;
    importPicture(s, outside.path() + "photo.BMP");
    EXPECT_EQ(s.listBox(8).selected, 8);
    EXPECT_EQ(s.listBox(8).firstShown, 3) << "rows 4 to 8 are shown, the new one last";
}

}  // namespace glossamo::testing
