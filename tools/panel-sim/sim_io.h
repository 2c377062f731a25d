// Whole-file and whole-buffer I/O of panel-sim, and its timestamped log.
#pragma once

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace panelsim {

using Clock = std::chrono::steady_clock;

// Writes the whole buffer, retrying after signals and short writes.
bool writeAll(int fd, const std::string &text);
// The whole file, or nothing with `error` saying why.
std::optional<std::string> readFile(const std::string &path, std::string &error);
// Replaces `path` by a file holding `text` in one step (temp file + rename), so
// a reader never sees a half-written file.
bool writeFileAtomically(const std::string &path, const std::string &text, std::string &error);

// Timestamped log lines, each written with one write() so nothing is held in
// a buffer when the process is killed.
class Log
{
public:
    explicit Log(Clock::time_point start) : start_(start) {}

    bool openFile(const std::string &path, std::string &error)
    {
        fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
        if (fd_ < 0) {
            error = std::strerror(errno);
            fd_ = STDERR_FILENO;
            return false;
        }
        return true;
    }

    void line(const char *tag, const std::string &text) { writeTo(fd_, tag, text); }

    // The same line format, always to standard error (for DUMP lines).
    void toStderr(const char *tag, const std::string &text) { writeTo(STDERR_FILENO, tag, text); }

private:
    void writeTo(int fd, const char *tag, const std::string &text)
    {
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "%5lld.%03lld ", static_cast<long long>(ms / 1000),
                      static_cast<long long>(ms % 1000));
        writeAll(fd, stamp + std::string(tag) + " " + text + "\n");
    }

    Clock::time_point start_;
    int fd_ = STDERR_FILENO;
};

} // namespace panelsim
