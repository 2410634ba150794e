#include "platform/companion_pdf_document.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/print_script.h"

#ifndef TARVIX_LIBEXEC_FROM_BIN
#define TARVIX_LIBEXEC_FROM_BIN "../libexec/tarvix/"
#endif

extern char** environ;

namespace tarvix {
namespace {

bool IsExecutableFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

// Writes all of `bytes` to `fd`; false when the reader went away.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Reads what the writer says until it closes its end; a reason is one short line.
std::string ReadReason(int fd) {
    std::string text;
    char chunk[512];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        if (text.size() < 4096) text.append(chunk, static_cast<std::size_t>(got));
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

// Runs `program FILE` with `script` on its standard input; true when it says FILE was written.
// The writer's standard output carries the reason when it cannot write FILE: this program's own
// standard output may carry the CSV file.
bool RunWriter(const std::string& program, const std::string& path, std::string_view script,
               std::string& reason) {
    reason.clear();
    int pipe_fds[2];
    if (pipe2(pipe_fds, O_CLOEXEC) != 0) return false;
    int reason_fds[2];
    if (pipe2(reason_fds, O_CLOEXEC) != 0) {
        close(pipe_fds[0]);
        close(pipe_fds[1]);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, reason_fds[1], STDOUT_FILENO);
    const char* argv[] = {program.c_str(), path.c_str(), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr,
                                    const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_fds[0]);
    close(reason_fds[1]);
    if (spawned != 0) {
        close(pipe_fds[1]);
        close(reason_fds[0]);
        return false;
    }
    // A writer that stops reading early must not end this program with SIGPIPE.
    struct sigaction ignore = {};
    struct sigaction previous = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &previous);
    const bool sent = WriteAll(pipe_fds[1], script);
    close(pipe_fds[1]);
    sigaction(SIGPIPE, &previous, nullptr);
    reason = ReadReason(reason_fds[0]);
    close(reason_fds[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return sent && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class CompanionPdfDocument final : public PdfDocument {
  public:
    explicit CompanionPdfDocument(std::string program) : program_(std::move(program)) {}

    int StartDoc(std::string_view title) override { return script_.StartDoc(title); }
    void Font(int handle, FontStyle style, float points, Rgb colour,
              std::string_view face) override {
        script_.Font(handle, style, points, colour, face);
    }
    void Text(int handle, float x, float y, TextAlignment alignment,
              std::string_view text) override {
        script_.Text(handle, x, y, alignment, text);
    }
    void NewPage(int handle) override { script_.NewPage(handle); }
    void EndDoc(int handle) override { script_.EndDoc(handle); }
    bool WritePdf(const std::string& path) override {
        return !script_.Script().empty() && RunWriter(program_, path, script_.Script(), error_);
    }
    std::string WriteError() const override { return error_; }

  private:
    std::string program_;
    std::string error_;
    PrintScriptRecorder script_;
};

}  // namespace

std::string PdfWriterPath(const std::string& program_directory) {
    const std::filesystem::path directory(program_directory);
    const std::filesystem::path beside = directory / kPdfWriterName;
    if (IsExecutableFile(beside)) return beside.string();
    const std::filesystem::path installed =
        (directory / TARVIX_LIBEXEC_FROM_BIN / kPdfWriterName).lexically_normal();
    if (IsExecutableFile(installed)) return installed.string();
    return "";
}

std::unique_ptr<PdfDocument> OpenCompanionPdfDocument(const std::string& program) {
    return std::make_unique<CompanionPdfDocument>(program);
}

}  // namespace tarvix
