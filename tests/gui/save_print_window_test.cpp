#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <string>

#include "core/control_ids.h"
#include "tests/support/calc_run.h"
#include "tests/support/qt_user.h"
#include "tests/support/read_file_bytes.h"

namespace tarvix {
namespace {

using namespace ids;

// SAVE and PRINT in the real window, their dialogs answered as a user would.
class SavePrintWindowTest : public qt_user::QtUserTest {
  protected:
    void ClickControl(int id) { qt_user::Click(Win(), id); }
    void AddRoundBar() {
        // Into the first input, as after a message box the window has no field in focus.
        Frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        ClickControl(kInput[0]);
        qt_user::TypeAndEnter(Win(), kInput[0], "1", "1.000");
        qt_user::TypeAndEnter(Win(), kInput[1], "12", "12.000");
        ClickControl(kItemPlus);
    }
    // Answers the next modal window of type T once it shows, while the program waits on it.
    template <class T>
    void Answer(std::function<void(T*)> answer) {
        auto* poll = new QTimer(QApplication::instance());
        QObject::connect(poll, &QTimer::timeout, [poll, answer] {
            auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!modal || !modal->isVisible()) return;
            poll->deleteLater();
            poll->stop();
            answer(modal);
        });
        poll->start(20);
    }
    // Answers the file dialog with the file at `typed`, then whatever else it asks.
    void AnswerFileDialog(const QString& typed) {
        Answer<QFileDialog>([this, typed](QFileDialog* dialog) {
            dialog_title_ = dialog->windowTitle();
            dialog_folder_ = dialog->directory().absolutePath();
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            // The name completer's list opens over the field at its own pace and takes the keys
            // while it shows; the user closes it first.
            auto close_completions = [name] {
                if (name->completer()) name->completer()->popup()->hide();
            };
            // The user goes to the file's folder, then types its name; the whole path when
            // there is no such folder.
            const QFileInfo file(typed);
            const bool folder = QFileInfo(file.absolutePath()).isDir();
            if (folder) dialog->setDirectory(file.absolutePath());
            close_completions();
            name->selectAll();
            QTest::keyClicks(name, folder ? file.fileName() : typed);
            for (int i = 0; i < 10 && dialog->isVisible(); ++i) {
                close_completions();
                QTest::keyClick(name, Qt::Key_Return);
                QTest::qWait(50);
            }
        });
    }

    QTemporaryDir temp_;
    const QString dir_ = temp_.path() + "/";
    QString dialog_title_, dialog_folder_;
};

TEST_F(SavePrintWindowTest, SaveWritesTheFileNamedInTheDialog) {
    AddRoundBar();
    AnswerFileDialog(dir_ + "parts");  // the extension is added
    ClickControl(kSave);
    std::string bytes;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return ReadFileBytes((dir_ + "parts.csv").toStdString(), bytes); }, 5000));
    EXPECT_EQ(bytes,
              "\"ROUND\",\" OD 1.000  LENGTH 12.000\",\"ALUMINUM\",\"1\",\".919\",\"9.425\","
              "\".919\",\"9.425\"\r\n");
    EXPECT_EQ(dialog_title_ + "|" + dialog_folder_,
              "Save File As|" + QCoreApplication::applicationDirPath());
}

TEST_F(SavePrintWindowTest, APartsListOpensAgainAsTheSamePanelAndFile) {
    AddRoundBar();
    ClickControl(kCavity);
    ClickControl(kQtyPlus);
    const QString first = dir_ + "job.tarvix", second = dir_ + "again.tarvix";
    auto save = [&](const QString& path, std::string& bytes) {
        AnswerFileDialog(path);
        ClickControl(kSave);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return ReadFileBytes(path.toStdString(), bytes); }, 5000));
    };
    std::string saved, saved_again;
    save(first, saved);
    EXPECT_FALSE(app_->Tracker().Unsaved());

    const CalcRun calc = RunListCaught({first.toStdString()}, "");
    ASSERT_EQ(calc.status, 0) << calc.err;
    // The panel's fields in tarvix-calc's order (its names are its own tests').
    auto panel = [&] {
        std::string values;
        for (int id : {kItemMaterial, kItemQuantity, kItemVolume, kItemWeight, kGroupWeight,
                       kAssemblyWeight, kAssemblyVolume})
            values += (values.empty() ? "" : "|") + Win().GetText(id);
        return values;
    };
    // Ctrl+O in a fresh window, the file chosen in the dialog; SAVE tells of the key.
    Start();
    EXPECT_TRUE(Widget(kSave)->accessibleDescription().contains("Ctrl+O"));
    AnswerFileDialog(first);
    QTest::keyClick(Frame()->windowHandle(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Win().ListCount(kItemList) == 1; }, 5000));
    EXPECT_EQ(dialog_title_, "Open File");
    EXPECT_EQ(panel(), ValuesOf(calc.out, "|"));
    save(second, saved_again);
    EXPECT_EQ(saved_again, saved);
}

TEST_F(SavePrintWindowTest, PrintOpensThePreview) {
    AddRoundBar();
    int pages = 0;
    QString title;
    Answer<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        title = preview->windowTitle();
        pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        preview->reject();
    });
    ClickControl(kPrint);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pages > 0; }, 5000));
    EXPECT_EQ(title + " " + QString::number(pages), "Assembly Data 1");
}

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
    return tarvix::qt_user::RunTests(argc, argv);
}
