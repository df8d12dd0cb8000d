#pragma once
// The few file services the program needs. Paths are `SystemPath`s: the
// system's own bytes, with the program's Latin-1 names added in UTF-8.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/system_path.hpp"

namespace glossamo {

// True when `name` matches `mask` ('*' any run, '?' one character), without
// regard to case.
bool matchesMask(const std::string& name, const std::string& mask);

// Latin-1 names of the files of `folder` that match `mask`, in name order
// without regard to case. A missing folder gives an empty list. A name that
// Latin-1 cannot spell is left out: the program could not open it by name.
std::vector<std::string> listFolder(const SystemPath& folder, const std::string& mask);

bool folderExists(const SystemPath& path);
// The lines of a text file, without their line ends (LF or CR LF); nothing
// when the file cannot be read.
std::optional<std::vector<std::string>> readTextLines(const SystemPath& path);
// A path written in Latin-1 where a leading "~" stands for the player's home
// folder ($HOME, kept as the system gives it).
SystemPath expandHome(const std::string& path);
// The folder where the player keeps documents, as the desktop names it:
// $XDG_DOCUMENTS_DIR, else its line in user-dirs.dirs of $XDG_CONFIG_HOME
// (~/.config); else ~/Documents; created if missing; nothing when there is
// no home or the folder cannot be made.
SystemPath documentsFolder();
// A path as a message can show it in Latin-1: whole when it can; else from
// the home folder as "~/...", with "..." for each run of folders whose names
// hold characters beyond Latin-1 (never a row of "?").
std::string shownPath(const SystemPath& path);
// Deletes a file; false when it could not be deleted.
bool deleteFile(const SystemPath& path);
// Gives the file `from` the name `to`, never replacing a file already named
// `to`; false when nothing was renamed.
bool renameWithoutReplacing(const SystemPath& from, const SystemPath& to);
bool fileExists(const SystemPath& path);
// Creates a folder and every missing folder above it; true when it exists
// afterwards.
bool createFolders(const SystemPath& path);
// The bytes of a file; nothing when it cannot be read.
std::optional<std::string> readWholeFile(const SystemPath& path);
// The new files of the writes below are named after the file they replace,
// with this ending and six characters of their own.
inline constexpr const char* TemporaryEnding = ".tmp.";
// Deletes the new files that writes cut short (the program killed) left in
// `folder`; how many were deleted.
int removeLeftTemporaries(const SystemPath& folder);
// Replaces a file with `bytes` in one step: they are written to a new file
// of the same folder, flushed to the disk, then renamed over the file. On
// any failure the old file stays as it was and false is returned.
bool writeFileAtomically(const SystemPath& path, const std::string& bytes);
// Replaces several files: all of them are written and flushed first, and
// only then renamed in their order, so a full disk or a failed write
// changes none of them.
bool writeFilesAtomically(const std::vector<std::pair<SystemPath, std::string>>& files);

// A file mapped read-only into memory: its pages are read from the disk
// when first touched and belong to the file, not to the program's own
// memory. Empty until `open` succeeds; the mapping ends with the object.
class MappedFile {
public:
    MappedFile() = default;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    MappedFile(MappedFile&& other) noexcept { *this = std::move(other); }
    MappedFile& operator=(MappedFile&& other) noexcept;
    ~MappedFile() { close(); }

    // Maps the whole file; false (and empty) when it cannot be read.
    bool open(const SystemPath& path);
    void close();
    std::string_view bytes() const { return {data_, size_}; }

private:
    const char* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace glossamo
