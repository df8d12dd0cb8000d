#include "platform/file_dialog.hpp"

#include <gtest/gtest.h>

namespace glossamo::testing {

TEST(FileDialog, FiltersAndStartFolderBecomeZenityArguments) {
    EXPECT_EQ(fileDialogArguments("Import:", "Image Bitmap (*.bmp)|*.BMP|Image JPEG (*.JPG)|*.JPG", "/home/lea"),
              (std::vector<std::string>{"zenity", "--file-selection", "--title=Import:", "--width=700",
                                        "--height=500", "--filename=/home/lea/",
                                        "--file-filter=Image Bitmap (*.bmp) | *.BMP *.bmp",
                                        "--file-filter=Image JPEG (*.JPG) | *.JPG *.jpg"}));
    EXPECT_EQ(fileDialogArguments("T", "", "").size(), 5u);
}

// The browser's chooser shows every file a filter allows: each pattern of
// a field, and any file when one pattern is "*".
TEST(FileDialog, ABrowserChooserAcceptsEveryPatternOfTheFilter) {
    EXPECT_EQ(acceptListFor("Images (*.jpg, *.jpeg, *.png, *.bmp)|*.JPG *.JPEG *.PNG *.BMP|Photo JPEG|*.JPG *.JPEG"),
              ".jpg,.jpeg,.png,.bmp");
    EXPECT_EQ(acceptListFor("Liste de mots (*.txt)|*.TXT|Tous les fichiers|*"), "");
}

TEST(FileDialog, AMissingProgramCountsAsCancelled) {
    EXPECT_EQ(runFileDialog({"glossamo-no-such-dialog"}), std::nullopt);
    EXPECT_EQ(runFileDialog({"sh", "-c", "echo /tmp/photo.jpg"}), std::optional<std::string>("/tmp/photo.jpg"));
    EXPECT_EQ(runFileDialog({"sh", "-c", "echo /tmp/x; exit 1"}), std::nullopt) << "cancel";
}

}  // namespace glossamo::testing
