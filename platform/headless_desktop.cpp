#include "platform/headless_desktop.h"

namespace tarvix {

std::unique_ptr<TopLevelWindow> HeadlessDesktop::OpenWindow(int left, int top, int width,
                                                            int height, std::string_view title) {
    auto window = std::make_unique<HeadlessWindow>();
    window->MoveWindow(left, top, width, height);
    window->SetWindowText(title);
    return window;
}

bool HeadlessDesktop::EnterKeyPressed() {
    const bool pressed = enter_;
    enter_ = false;
    return pressed;
}

MessageResult HeadlessDesktop::ShowMessage(TopLevelWindow*, std::string_view text,
                                           std::string_view title, MessageButtons buttons,
                                           MessageIcon icon, std::string_view detail) {
    messages_.push_back(
        Message{std::string(text), std::string(title), buttons, icon, std::string(detail)});
    if (buttons == MessageButtons::kOk) return MessageResult::kOk;
    return answer_ == MessageResult::kOk ? MessageResult::kYes : answer_;
}

std::string HeadlessDesktop::SaveDialog(TopLevelWindow*, std::string_view title,
                                        std::string_view filter,
                                        std::string_view default_extension) {
    save_requests_.push_back(
        SaveRequest{std::string(title), std::string(filter), std::string(default_extension)});
    return save_path_;
}

std::unique_ptr<PrintDocument> HeadlessDesktop::OpenPrintDocument(TopLevelWindow*) {
    return std::make_unique<HeadlessPrintDocument>(print_handle_, &printed_);
}

}  // namespace tarvix
