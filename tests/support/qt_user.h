#pragma once

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <string>
#include <vector>

#include "platform/qt/qt_application.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_top_level_window.h"
#include "shell/application.h"

// The real Qt windows driven as a user drives them: mouse, keys, and message boxes' own buttons.
namespace tarvix::qt_user {

// Runs the event loop until nothing is left to do, so queued events reach the program.
inline void Pump() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Where the user clicks on the control: the client area sits inside a one-pixel border.
inline QPoint Centre(QtTopLevelWindow& window, int id) {
    return window.ControlWidget(id)->geometry().center() + QPoint(1, 1);
}

// A click through the window, so the control under the mouse takes it.
inline void Click(QtTopLevelWindow& window, int id) {
    QTest::mouseClick(window.Frame()->windowHandle(), Qt::LeftButton, {}, Centre(window, id));
    Pump();
}

// A press held for a tenth of a second, as a person holds it, then the release.
inline void PressAndRelease(QtTopLevelWindow& window, int id) {
    QWindow* handle = window.Frame()->windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, Centre(window, id));
    QTest::qWait(100);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, Centre(window, id));
    Pump();
}

// Replaces the text of the field with the keys of `text`.
inline void TypeOver(QWidget* field, const char* text) {
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// Types over the focused field and presses Enter; waits until the field shows `shown`.
inline void TypeAndEnter(QtTopLevelWindow& window, int id, const char* text,
                         const std::string& shown) {
    QWidget* field = window.ControlWidget(id);
    ASSERT_EQ(QApplication::focusWidget(), field) << "the focus is not in " << id;
    TypeOver(field, text);
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.GetText(id) == shown; }, 5000)) << id;
}

// Answers the next message box by clicking one of its buttons (or pressing a key), and keeps
// what the box said.
class MessageAnswer {
  public:
    explicit MessageAnswer(QMessageBox::StandardButton button, Qt::Key key = Qt::Key_unknown) {
        QObject::connect(&poll_, &QTimer::timeout, [this, button, key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            poll_.stop();
            seen = box->windowTitle().toStdString() + "|" + box->text().toStdString();
            detail = box->detailedText().toStdString();
            icon = box->icon();
            buttons = box->standardButtons();
            if (key != Qt::Key_unknown)
                QTest::keyClick(box, key);
            else
                QTest::mouseClick(box->button(button), Qt::LeftButton);
        });
        poll_.start(10);
    }
    // Whether the box has been answered in time.
    bool Wait() {
        return QTest::qWaitFor([&] { return !seen.empty(); }, 5000);
    }
    std::string seen;
    std::string detail;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;

  private:
    QTimer poll_;
};

// Passes events on to the program, counting clicks and timer ticks (to wait for a tick, not time).
struct EventCounter : EventSink {
    void HandleEvent(const Event& event) override {
        if (event.kind == Event::Kind::kTimer) ++ticks;
        if (event.kind == Event::Kind::kControl && event.code == Notification::kClicked)
            clicked.push_back(event.id);
        if (handler) handler->HandleEvent(event);
    }
    EventSink* handler = nullptr;
    int ticks = 0;
    std::vector<int> clicked;  // the controls that reported a click, in order
};

// A started program in the real main window, with the default settings.
class QtUserTest : public ::testing::Test {
  protected:
    void SetUp() override { Start(); }
    void Start() {
        app_.reset();
        app_ = std::make_unique<Application>(
            desktop_, Settings{{"assemblytracker=on", "weightunits=inches", "weightdecimals=3"}});
        counter_.handler = &app_->Handler();
        app_->MainWindow().SetEventSink(&counter_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        Pump();
    }

    QtTopLevelWindow& Win() { return static_cast<QtTopLevelWindow&>(app_->MainWindow()); }
    QWidget* Frame() { return Win().Frame(); }
    QWidget* Widget(int id) { return Win().ControlWidget(id); }
    std::string Text(int id) { return Win().GetText(id); }

    QtDesktop desktop_;
    EventCounter counter_;
    std::unique_ptr<Application> app_;
};

// The main of a GUI test program: windows drawn off screen, no display needed.
inline int RunTests(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    static int arg_count = argc;
    auto toolkit = QtApplication::Open(arg_count, argv);
    if (!toolkit) return 1;
    return RUN_ALL_TESTS();
}

}  // namespace tarvix::qt_user
