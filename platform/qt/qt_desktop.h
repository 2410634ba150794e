#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/desktop.h"

namespace tarvix {

class EnterKeyWatch;
class EventQueue;

// The desktop on the Qt toolkit. Needs an open QtApplication; its windows must not outlive it.
class QtDesktop final : public Desktop {
  public:
    QtDesktop();
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    std::unique_ptr<TopLevelWindow> OpenWindow(int left, int top, int width, int height,
                                               std::string_view title) override;
    ScreenSize Screen() const override;
    bool EnterKeyPressed() override;
    MessageResult ShowMessage(TopLevelWindow* owner, std::string_view text, std::string_view title,
                              MessageButtons buttons, MessageIcon icon,
                              std::string_view detail = {}) override;
    std::string SaveDialog(TopLevelWindow* owner, std::string_view title, std::string_view filter,
                           std::string_view default_extension) override;
    std::string OpenDialog(TopLevelWindow* owner, std::string_view title,
                           std::string_view filter) override;
    std::unique_ptr<PrintDocument> OpenPrintDocument(TopLevelWindow* owner) override;
    bool ShellOpen(std::string_view path) override;
    std::string ProgramDirectory() const override;
    void WaitAndDispatch() override;

  private:
    std::unique_ptr<EventQueue> queue_;
    std::unique_ptr<EnterKeyWatch> enter_key_;
};

}  // namespace tarvix
