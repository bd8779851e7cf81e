#include "services/progress.h"
#include "services/prompt.h"
#include "services/ui_mode.h"
#include "ui/qt_progress.h"
#include "ui/qt_prompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace promptui;

namespace {

// Waits for the next message box to open, hands it to `act`, and gives up
// after a few seconds so a box that never opens cannot hang the run.
void whenBoxOpens(std::function<void(QMessageBox*)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act, tries = 0]() mutable {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box || ++tries > 500)
            timer->deleteLater();
        if (box)
            act(box);
    });
    timer->start(10);
}

class QtUiTest : public ::testing::Test {
protected:
    void SetUp() override { installUi(UiMode::Qt); }
    void TearDown() override
    {
        EndProgress();
        setPromptService(nullptr);
        setProgressService(nullptr);
    }
};

} // namespace

// Text shown as typed (plain text, tabs and all), caption, icon, buttons and
// default button, and the clicked button's result.
TEST_F(QtUiTest, EveryButtonSetAndIconMapsToItsQtForm)
{
    using Box = QMessageBox;
    const struct {
        unsigned flags;
        Box::StandardButtons buttons;
        Box::Icon icon;
        Box::StandardButton defaultButton, click;
        int result;
    } cases[] = {
        {MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2, Box::Yes | Box::No, Box::Warning, Box::No,
         Box::Yes, IDYES},
        {MB_OK | MB_ICONINFORMATION, Box::Ok, Box::Information, Box::Ok, Box::Ok, IDOK},
        {MB_OKCANCEL | MB_ICONQUESTION, Box::Ok | Box::Cancel, Box::Question, Box::Ok, Box::Cancel,
         IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_ICONERROR, Box::Abort | Box::Retry | Box::Ignore, Box::Critical,
         Box::Abort, Box::Retry, IDRETRY},
        {MB_YESNOCANCEL, Box::Yes | Box::No | Box::Cancel, Box::NoIcon, Box::Yes, Box::No, IDNO},
    };
    const QString text = "<b>Current Card:</b>\tPrice Special Card\nErase?";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        whenBoxOpens([&](QMessageBox* box) {
            EXPECT_EQ(box->text(), text);
            EXPECT_EQ(box->windowTitle(), "Are you sure?");
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->standardButtons(), c.buttons);
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_EQ(box->standardButton(box->defaultButton()), c.defaultButton);
            box->button(c.click)->click();
        });
        EXPECT_EQ(MessageBox(text, "Are you sure?", c.flags), c.result);
    }
}

TEST_F(QtUiTest, ClosingAQuestionWithoutAButtonAnswersSafely)
{
    whenBoxOpens([](QMessageBox* b) { b->reject(); });
    EXPECT_EQ(MessageBox("Save?", "CONFIRM: Reader Manager", MB_YESNOCANCEL), IDCANCEL);
    whenBoxOpens([](QMessageBox* b) { b->close(); });
    EXPECT_EQ(MessageBox("Erase?", "Are you sure?", MB_YESNO), IDNO);
}

// One window: steps past its count keep it full, a new show takes it over.
TEST_F(QtUiTest, ProgressDialogOpensStepsAndCloses)
{
    ShowProgress("Create Reader Setup Card In Progress ... Please Wait", 0, 2);
    QProgressDialog* dialog = ui::qtProgress().dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    for (const char* step : {"Identifying Card...", "Writing", "Done"})
        StepProgress(step);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->value(), 2);
    EXPECT_EQ(dialog->labelText(), "Done");
    ShowProgress("Second", 0, 2);
    EXPECT_EQ(ui::qtProgress().dialog(), dialog);
    EXPECT_EQ(dialog->value(), 0);
    EndProgress();
    EXPECT_EQ(ui::qtProgress().dialog(), nullptr);
}
