#pragma once
// The desktop's file dialog, run as the `zenity` program, and its filter
// as a browser's file chooser takes it.
#include <functional>
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

// The same filter as a browser file chooser's `accept` list: the endings
// its patterns allow ("*.JPG *.JPEG" gives ".jpg,.jpeg"), or "" (any file)
// when a pattern is "*".
std::string acceptListFor(const std::string& filter);

// Runs zenity and waits for the player's answer: the chosen path, or
// nothing when the dialog was cancelled or could not start. While it waits,
// `whileOpen` is called with the dialog's process id about every 100 ms.
std::optional<std::string> runFileDialog(const std::vector<std::string>& arguments,
                                         const std::function<void(int pid)>& whileOpen = {});

}  // namespace glossamo
