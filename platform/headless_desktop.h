#pragma once

#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/headless_print_document.h"
#include "platform/headless_window.h"

namespace tarvix {

// A desktop without a screen: windows are HeadlessWindows, dialogs answer what the caller scripted
// and everything asked of the shell is recorded.
class HeadlessDesktop : public Desktop {
  public:
    struct Message {
        std::string text;
        std::string title;
        MessageButtons buttons;
        MessageIcon icon;
        std::string detail;
    };
    struct SaveRequest {
        std::string title;
        std::string filter;
        std::string defaultExtension;
    };

    std::unique_ptr<TopLevelWindow> OpenWindow(int left, int top, int width, int height,
                                               std::string_view title) override;
    ScreenSize Screen() const override { return screen_; }
    bool EnterKeyPressed() override;
    MessageResult ShowMessage(TopLevelWindow* owner, std::string_view text, std::string_view title,
                              MessageButtons buttons, MessageIcon icon,
                              std::string_view detail = {}) override;
    std::string SaveDialog(TopLevelWindow* owner, std::string_view title, std::string_view filter,
                           std::string_view default_extension) override;
    std::string OpenDialog(TopLevelWindow*, std::string_view title,
                           std::string_view filter) override {
        open_requests_.push_back(SaveRequest{std::string(title), std::string(filter), ""});
        return open_path_;
    }
    std::unique_ptr<PrintDocument> OpenPrintDocument(TopLevelWindow* owner) override;
    bool ShellOpen(std::string_view path) override {
        opened_.emplace_back(path);
        return shell_opens_;
    }
    std::string ProgramDirectory() const override { return directory_; }
    void WaitAndDispatch() override {}

    // Scripting.
    void SetScreen(ScreenSize size) { screen_ = size; }
    void SetProgramDirectory(std::string directory) { directory_ = std::move(directory); }
    void PressEnter() { enter_ = true; }
    // Whether the desktop has a handler for the documents handed to it.
    void SetShellOpens(bool opens) { shell_opens_ = opens; }
    void AnswerMessages(MessageResult answer) { answer_ = answer; }
    void AnswerSaveDialog(std::string path) { save_path_ = std::move(path); }
    void AnswerOpenDialog(std::string path) { open_path_ = std::move(path); }
    // The handle the next print documents start with; below 1 they cannot start.
    void SetPrintHandle(int handle) { print_handle_ = handle; }

    // What happened.
    const std::vector<Message>& Messages() const { return messages_; }
    const std::vector<std::string>& Opened() const { return opened_; }
    const std::vector<SaveRequest>& SaveRequests() const { return save_requests_; }
    const std::vector<SaveRequest>& OpenRequests() const { return open_requests_; }
    // Every print document ended, page by page.
    const std::vector<std::vector<HeadlessPrintDocument::Page>>& Printed() const {
        return printed_;
    }

  private:
    ScreenSize screen_{1024, 768};
    std::string directory_ = "./";
    bool enter_ = false;
    bool shell_opens_ = true;
    MessageResult answer_ = MessageResult::kOk;
    std::string save_path_;
    std::string open_path_;
    int print_handle_ = 1;
    std::vector<Message> messages_;
    std::vector<std::string> opened_;
    std::vector<SaveRequest> save_requests_;
    std::vector<SaveRequest> open_requests_;
    std::vector<std::vector<HeadlessPrintDocument::Page>> printed_;
};

}  // namespace tarvix
