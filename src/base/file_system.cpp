#include "base/file_system.hpp"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "base/text_encoding.hpp"

namespace glossamo {

namespace fs = std::filesystem;

namespace {

// $HOME as the system gives it.
std::string homeFolder() {
    const char* home = std::getenv("HOME");
    return home ? home : "";
}

char fold(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool matchFrom(const std::string& name, std::size_t n, const std::string& mask, std::size_t m) {
    while (m < mask.size()) {
        if (mask[m] == '*') {
            for (std::size_t k = n; k <= name.size(); ++k)
                if (matchFrom(name, k, mask, m + 1)) return true;
            return false;
        }
        if (n >= name.size()) return false;
        if (mask[m] != '?' && fold(mask[m]) != fold(name[n])) return false;
        ++n;
        ++m;
    }
    return n == name.size();
}

bool lessWithoutCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return fold(x) < fold(y); });
}

}  // namespace

bool matchesMask(const std::string& name, const std::string& mask) { return matchFrom(name, 0, mask, 0); }

std::vector<std::string> listFolder(const SystemPath& folder, const std::string& mask) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(folder.bytes(), error);
    if (error) return names;
    for (const fs::directory_entry& entry : it) {
        if (!entry.is_regular_file(error)) continue;
        const std::string bytes = entry.path().filename().string();
        std::string name = utf8ToLatin1(bytes);
        if (latin1ToUtf8(name) != bytes) continue;
        if (matchesMask(name, mask)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), lessWithoutCase);
    return names;
}

std::optional<std::vector<std::string>> readTextLines(const SystemPath& path) {
    std::ifstream in(path.bytes(), std::ios::binary);
    if (!in) return {};
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool folderExists(const SystemPath& path) {
    std::error_code error;
    return fs::is_directory(path.bytes(), error);
}

SystemPath expandHome(const std::string& path) {
    if (path.empty() || path[0] != '~') return SystemPath::fromLatin1(path);
    return SystemPath::fromSystem(homeFolder()) + std::string_view(path).substr(1);
}

namespace {

// A user-dirs value: "$HOME" at its start stands for the home folder; only
// an absolute folder counts.
std::string userDirsValue(std::string value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) value = homeFolder() + value.substr(5);
    return !value.empty() && value[0] == '/' ? value : "";
}

// The documents folder named in the desktop's user-dirs.dirs file.
std::string documentsFolderOfUserDirs() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string file = config && config[0] == '/' ? config : homeFolder() + "/.config";
    const auto lines = readTextLines(SystemPath::fromSystem(file + "/user-dirs.dirs"));
    if (!lines) return {};
    const std::string key = "XDG_DOCUMENTS_DIR=";
    for (const std::string& line : *lines)
        if (line.rfind(key, 0) == 0) return userDirsValue(line.substr(key.size()));
    return {};
}

}  // namespace

SystemPath documentsFolder() {
    const char* variable = std::getenv("XDG_DOCUMENTS_DIR");
    const std::string named = variable && variable[0] ? userDirsValue(variable) : documentsFolderOfUserDirs();
    if (!named.empty() && createFolders(SystemPath::fromSystem(named))) return SystemPath::fromSystem(named).asFolder();
    if (homeFolder().empty()) return {};
    const SystemPath usual = SystemPath::fromSystem(homeFolder() + "/Documents");
    return createFolders(usual) ? usual.asFolder() : SystemPath{};
}

namespace {

bool spelledInLatin1(const std::string& utf8) { return latin1ToUtf8(utf8ToLatin1(utf8)) == utf8; }

}  // namespace

std::string shownPath(const SystemPath& path) {
    const std::string& bytes = path.bytes();
    if (spelledInLatin1(bytes)) return path.latin1();
    std::string home = homeFolder();
    while (home.size() > 1 && home.back() == '/') home.pop_back();
    const bool inHome = !home.empty() && bytes.rfind(home + '/', 0) == 0;
    std::string shown = inHome ? "~/" : "";
    std::size_t start = inHome ? home.size() + 1 : 0;
    bool lastUnspelled = false;
    while (start <= bytes.size()) {
        const std::size_t end = std::min(bytes.find('/', start), bytes.size());
        const std::string name = bytes.substr(start, end - start);
        const bool spelled = spelledInLatin1(name);
        if (spelled || !lastUnspelled) {  // a run of unspelled names shows as one "..."
            shown += spelled ? utf8ToLatin1(name) : "...";
            if (end < bytes.size()) shown += '/';
        }
        lastUnspelled = !spelled;
        start = end + 1;
    }
    return shown;
}

bool deleteFile(const SystemPath& path) {
    std::error_code error;
    return fs::remove(path.bytes(), error) && !error;
}

bool renameWithoutReplacing(const SystemPath& from, const SystemPath& to) {
    const std::string& source = from.bytes();
    const std::string& target = to.bytes();
    // A hard link fails when the target exists, so no file is ever replaced;
    // a file system without links gets a rename after a check instead.
    if (::link(source.c_str(), target.c_str()) == 0) {
        if (::unlink(source.c_str()) == 0) return true;
        ::unlink(target.c_str());  // the file keeps its one old name
        return false;
    }
    if (errno == EEXIST) return false;
    std::error_code error;
    if (fs::exists(target, error) || error) return false;
    fs::rename(source, target, error);
    return !error;
}

bool createFolders(const SystemPath& path) {
    std::error_code error;
    fs::create_directories(path.bytes(), error);
    return folderExists(path);
}

std::optional<std::string> readWholeFile(const SystemPath& path) {
    std::ifstream in(path.bytes(), std::ios::binary);
    if (!in) return {};
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return {};
    return bytes;
}

namespace {

// Writes `bytes` to a new file beside `path` and flushes it to the disk;
// the new file's name, or nothing (and no file) on any failure.
std::optional<std::string> writeBeside(const SystemPath& path, const std::string& bytes) {
    std::string temporary = path.bytes() + TemporaryEnding + "XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return std::nullopt;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    const bool complete = written == bytes.size() && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!complete || !closed) {
        unlink(temporary.c_str());
        return std::nullopt;
    }
    return temporary;
}

}  // namespace

bool writeFileAtomically(const SystemPath& path, const std::string& bytes) {
    return writeFilesAtomically({{path, bytes}});
}

bool writeFilesAtomically(const std::vector<std::pair<SystemPath, std::string>>& files) {
    std::vector<std::string> written;
    for (const auto& [path, bytes] : files) {
        std::optional<std::string> temporary = writeBeside(path, bytes);
        if (!temporary) break;
        written.push_back(std::move(*temporary));
    }
    bool renamed = written.size() == files.size();
    for (std::size_t i = 0; i < written.size(); ++i) {
        renamed = renamed && std::rename(written[i].c_str(), files[i].first.c_str()) == 0;
        if (!renamed) unlink(written[i].c_str());
    }
    return renamed;
}

int removeLeftTemporaries(const SystemPath& folder) {
    int removed = 0;
    for (const std::string& name : listFolder(folder, std::string("*") + TemporaryEnding + "??????"))
        if (deleteFile(folder + name)) ++removed;
    return removed;
}

bool fileExists(const SystemPath& path) {
    std::error_code error;
    return fs::is_regular_file(path.bytes(), error);
}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    if (this != &other) {
        close();
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
    }
    return *this;
}

bool MappedFile::open(const SystemPath& path) {
    close();
    const int fd = ::open(path.bytes().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool opened = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (opened && info.st_size > 0) {
        void* mapped = mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        opened = mapped != MAP_FAILED;
        if (opened) {
            data_ = static_cast<const char*>(mapped);
            size_ = static_cast<std::size_t>(info.st_size);
        }
    }
    ::close(fd);  // the mapping stays without the descriptor
    return opened;
}

void MappedFile::close() {
    if (data_ != nullptr) munmap(const_cast<char*>(data_), size_);
    data_ = nullptr;
    size_ = 0;
}

}  // namespace glossamo
