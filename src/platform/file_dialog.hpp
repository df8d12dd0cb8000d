#pragma once
// The desktop's file dialog, run as the `zenity` program.
#include <optional>
#include <string>
#include <vector>

namespace glossamo {

constexpr int DialogWidth = 700;
constexpr int DialogHeight = 500;

// The zenity arguments for a file choice: `filter` holds "name|pattern"
// pairs separated by '|' ("Image Bitmap (*.bmp)|*.BMP|...").
std::vector<std::string> fileDialogArguments(const std::string& title, const std::string& filter,
                                             const std::string& folder);

// Runs zenity and waits for the player's answer: the chosen path, or
// nothing when the dialog was cancelled or could not start.
std::optional<std::string> runFileDialog(const std::vector<std::string>& arguments);

}  // namespace glossamo
