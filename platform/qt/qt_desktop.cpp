#include "platform/qt/qt_desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QStyleFactory>
#include <QUrl>

#include "platform/qt/accessible_roles.h"
#include "platform/qt/enter_key_watch.h"
#include "platform/qt/event_queue.h"
#include "platform/qt/file_dialog_filter.h"
#include "platform/qt/font_setup.h"
#include "platform/qt/qt_print_document.h"
#include "platform/qt/qt_top_level_window.h"
#include "platform/user_folders.h"

namespace tarvix {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* OwnerWidget(TopLevelWindow* owner) {
    auto* window = dynamic_cast<QtTopLevelWindow*>(owner);
    return window ? window->Frame() : nullptr;
}

}  // namespace

QtDesktop::QtDesktop()
    : queue_(std::make_unique<EventQueue>()), enter_key_(std::make_unique<EnterKeyWatch>()) {
    // The classic style draws sunken fields and raised buttons as the layout was made for, and it
    // honours each control's own colours.
    if (QStyle* style = QStyleFactory::create("Windows")) QApplication::setStyle(style);
    PrepareFonts();
    InstallAccessibleRoles();
    // Hiding or minimising the last window must not end the program: only CLOSE does.
    QApplication::setQuitOnLastWindowClosed(false);
}

QtDesktop::~QtDesktop() = default;

std::unique_ptr<TopLevelWindow> QtDesktop::OpenWindow(int left, int top, int width, int height,
                                                      std::string_view title) {
    return std::make_unique<QtTopLevelWindow>(*queue_, left, top, width, height, title);
}

ScreenSize QtDesktop::Screen() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect geometry = screen->geometry();
    return {geometry.width(), geometry.height()};
}

bool QtDesktop::EnterKeyPressed() {
    return enter_key_->TakePressed();
}

MessageResult QtDesktop::ShowMessage(TopLevelWindow* owner, std::string_view text,
                                     std::string_view title, MessageButtons buttons,
                                     MessageIcon icon, std::string_view detail) {
    const bool yes_no = buttons == MessageButtons::kYesNo;
    QMessageBox box(icon == MessageIcon::kQuestion ? QMessageBox::Question : QMessageBox::Warning,
                    ToQString(title), ToQString(text),
                    yes_no ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    OwnerWidget(owner));
    // The program's questions would drop data on Yes: Enter and Escape keep it.
    box.setDefaultButton(yes_no ? QMessageBox::No : QMessageBox::Ok);
    if (yes_no) box.setEscapeButton(QMessageBox::No);
    // Application-modal: the program's windows take no input, but their timers keep ticking.
    box.setWindowModality(Qt::ApplicationModal);
    if (!detail.empty()) box.setDetailedText(ToQString(detail));
    const int answer = box.exec();
    if (!yes_no) return MessageResult::kOk;
    return answer == QMessageBox::Yes ? MessageResult::kYes : MessageResult::kNo;
}

std::string QtDesktop::SaveDialog(TopLevelWindow* owner, std::string_view title,
                                  std::string_view filter, std::string_view default_extension) {
    // The program's own folder, unless it cannot take the file, as in a system-wide install.
    QString start = QString::fromStdString(ProgramDirectory());
    if (!QFileInfo(start).isWritable() || SystemFolder(ProgramDirectory())) {
        const std::string home = UserHome();
        start = home.empty() ? QDir::homePath() : QString::fromStdString(home);
    }
    QFileDialog dialog(OwnerWidget(owner), ToQString(title), start);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(QString::fromStdString(ToolkitFileFilter(filter)).split(";;"));
    dialog.setDefaultSuffix(ToQString(default_extension));
    // A name typed without extension gets the one of the file type chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &default_extension](const QString& entry) {
                         const std::string extension = FilterExtension(entry.toStdString());
                         dialog.setDefaultSuffix(extension.empty()
                                                     ? ToQString(default_extension)
                                                     : QString::fromStdString(extension));
                     });
    if (dialog.exec() != QDialog::Accepted) return "";
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? std::string() : files.front().toStdString();
}

std::string QtDesktop::OpenDialog(TopLevelWindow* owner, std::string_view title,
                                  std::string_view filter) {
    // The folder SAVE starts in, where the lists are saved.
    QString start = QString::fromStdString(ProgramDirectory());
    if (!QFileInfo(start).isWritable()) start = QDir::homePath();
    QFileDialog dialog(OwnerWidget(owner), ToQString(title), start);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(QString::fromStdString(ToolkitFileFilter(filter)).split(";;"));
    if (dialog.exec() != QDialog::Accepted) return "";
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? std::string() : files.front().toStdString();
}

std::unique_ptr<PrintDocument> QtDesktop::OpenPrintDocument(TopLevelWindow* owner) {
    return std::make_unique<QtPrintDocument>(QtPrintDocument::WhenEnded::kPreview, owner);
}

bool QtDesktop::ShellOpen(std::string_view path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(path)));
}

std::string QtDesktop::ProgramDirectory() const {
    return (QCoreApplication::applicationDirPath() + '/').toStdString();
}

void QtDesktop::WaitAndDispatch() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    queue_->DeliverPending();
}

}  // namespace tarvix
