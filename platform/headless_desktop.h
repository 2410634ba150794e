#pragma once

#include <string>
#include <vector>

#include "platform/desktop.h"
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
    };

    std::unique_ptr<TopLevelWindow> OpenWindow(int left, int top, int width, int height,
                                               std::string_view title) override;
    ScreenSize Screen() const override { return screen_; }
    bool EnterKeyPressed() override;
    MessageResult ShowMessage(TopLevelWindow* owner, std::string_view text, std::string_view title,
                              MessageButtons buttons, MessageIcon icon) override;
    std::string SaveDialog(TopLevelWindow* owner, std::string_view title, std::string_view filter,
                           std::string_view default_extension) override;
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

    // What happened.
    const std::vector<Message>& Messages() const { return messages_; }
    const std::vector<std::string>& Opened() const { return opened_; }

  private:
    ScreenSize screen_{1024, 768};
    std::string directory_ = "./";
    bool enter_ = false;
    bool shell_opens_ = true;
    MessageResult answer_ = MessageResult::kOk;
    std::string save_path_;
    std::vector<Message> messages_;
    std::vector<std::string> opened_;
};

}  // namespace tarvix
