#include "platform/file_dialog.hpp"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>

namespace glossamo {

namespace {

constexpr int WaitStepMs = 100;

std::vector<std::string> splitBars(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t bar = text.find('|', start);
        parts.push_back(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return parts;
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::vector<std::string> fileDialogArguments(const std::string& title, const std::string& filter,
                                             const std::string& folder) {
    // Sized to fit inside the 800 x 600 screen the game is made for.
    std::vector<std::string> args{"zenity", "--file-selection", "--title=" + title,
                                  "--width=" + std::to_string(DialogWidth), "--height=" + std::to_string(DialogHeight)};
    if (!folder.empty()) args.push_back("--filename=" + folder + (folder.back() == '/' ? "" : "/"));
    const std::vector<std::string> parts = splitBars(filter);
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        // File names on Linux have a case: offer the pattern in both.
        const std::string& pattern = parts[i + 1];
        args.push_back("--file-filter=" + parts[i] + " | " + pattern + " " + lower(pattern));
    }
    return args;
}

std::string acceptListFor(const std::string& filter) {
    std::vector<std::string> extensions;
    const std::vector<std::string> parts = splitBars(filter);
    for (std::size_t i = 1; i < parts.size(); i += 2) {
        std::size_t start = 0;
        while (start < parts[i].size()) {
            std::size_t end = parts[i].find(' ', start);
            if (end == std::string::npos) end = parts[i].size();
            const std::string pattern = parts[i].substr(start, end - start);
            start = end + 1;
            if (pattern == "*") return "";  // any file at all
            const std::size_t dot = pattern.rfind('.');
            if (dot == std::string::npos) continue;
            const std::string extension = lower(pattern.substr(dot));
            if (std::find(extensions.begin(), extensions.end(), extension) == extensions.end())
                extensions.push_back(extension);
        }
    }
    std::string accept;
    for (const std::string& extension : extensions) accept += (accept.empty() ? "" : ",") + extension;
    return accept;
}

std::optional<std::string> runFileDialog(const std::vector<std::string>& arguments,
                                         const std::function<void(int pid)>& whileOpen) {
    int out[2];
    if (pipe(out) != 0) return {};
    const pid_t child = fork();
    if (child < 0) {
        close(out[0]);
        close(out[1]);
        return {};
    }
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char*> argv;
        for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    std::string answer;
    char buffer[512];
    for (;;) {
        pollfd ready{out[0], POLLIN, 0};
        const int polled = poll(&ready, 1, WaitStepMs);
        if (polled == 0) {
            if (whileOpen) whileOpen(static_cast<int>(child));
            continue;
        }
        if (polled < 0 && errno == EINTR) continue;
        if (polled < 0) break;
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        answer.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    while (!answer.empty() && (answer.back() == '\n' || answer.back() == '\r')) answer.pop_back();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || answer.empty()) return {};
    return answer;
}

}  // namespace glossamo
