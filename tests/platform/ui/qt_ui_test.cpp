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
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->deleteLater();
            act(box);
        } else if (++*tries > 500) {
            timer->deleteLater();
        }
    });
    timer->start(10);
}

struct SeenBox {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    Qt::TextFormat format = Qt::AutoText;
};

SeenBox seen(QMessageBox* box)
{
    SeenBox s;
    s.text = box->text();
    s.title = box->windowTitle();
    s.icon = box->icon();
    s.buttons = box->standardButtons();
    s.defaultButton = box->standardButton(box->defaultButton());
    s.format = box->textFormat();
    return s;
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

TEST_F(QtUiTest, QuestionBoxShowsTextIconButtonsAndReturnsTheClickedButton)
{
    SeenBox box;
    whenBoxOpens([&](QMessageBox* b) {
        box = seen(b);
        b->button(QMessageBox::Yes)->click();
    });
    const QString text = "Current Card:\tPrice Special Card\nAre you sure you want to erase "
                         "this card and make it into a Reader Retro Setup card?";
    EXPECT_EQ(MessageBox(text, "Are you sure?", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2), IDYES);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.title, "Are you sure?");
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(box.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.defaultButton, QMessageBox::No);
    EXPECT_EQ(box.format, Qt::PlainText);
}

TEST_F(QtUiTest, EveryButtonSetAndIconMapsToItsQtForm)
{
    struct Case {
        unsigned flags;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
        QMessageBox::StandardButton click;
        int result;
    };
    const Case cases[] = {
        {MB_OK | MB_ICONINFORMATION, QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok,
         IDOK},
        {MB_OKCANCEL | MB_ICONQUESTION, QMessageBox::Ok | QMessageBox::Cancel,
         QMessageBox::Question, QMessageBox::Cancel, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_ICONERROR,
         QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Critical,
         QMessageBox::Retry, IDRETRY},
        {MB_YESNOCANCEL, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::NoIcon, QMessageBox::No, IDNO},
        {MB_RETRYCANCEL | MB_ICONWARNING, QMessageBox::Retry | QMessageBox::Cancel,
         QMessageBox::Warning, QMessageBox::Retry, IDRETRY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        SeenBox box;
        whenBoxOpens([&](QMessageBox* b) {
            box = seen(b);
            b->button(c.click)->click();
        });
        EXPECT_EQ(MessageBox("<b>Error Num: 3</b>", "ERROR: Reader Manager", c.flags), c.result);
        EXPECT_EQ(box.buttons, c.buttons);
        EXPECT_EQ(box.icon, c.icon);
        EXPECT_EQ(box.text, "<b>Error Num: 3</b>");
    }
}

TEST_F(QtUiTest, ClosingAQuestionWithoutAButtonAnswersSafely)
{
    whenBoxOpens([](QMessageBox* b) { b->reject(); });
    EXPECT_EQ(MessageBox("Save?", "CONFIRM: Reader Manager", MB_YESNOCANCEL), IDCANCEL);
    whenBoxOpens([](QMessageBox* b) { b->close(); });
    EXPECT_EQ(MessageBox("Erase?", "Are you sure?", MB_YESNO), IDNO);
}

TEST_F(QtUiTest, ProgressDialogOpensStepsAndCloses)
{
    ShowProgress("Create Reader Setup Card In Progress ... Please Wait", 0, 3);
    QProgressDialog* dialog = ui::qtProgress().dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Create Reader Setup Card In Progress ... Please Wait");
    EXPECT_EQ(dialog->minimum(), 0);
    EXPECT_EQ(dialog->maximum(), 3);
    EXPECT_EQ(dialog->value(), 0);

    StepProgress("Identifying Card...");
    EXPECT_EQ(dialog->labelText(), "Identifying Card...");
    EXPECT_EQ(dialog->value(), 1);
    StepProgress("Writing data structures...");
    StepProgress("Writing data structures...");
    StepProgress("Done"); // one more than announced
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->value(), 3);
    EXPECT_EQ(dialog->labelText(), "Done");

    // A new show takes over the one window.
    ShowProgress("Second", 0, 2);
    EXPECT_EQ(ui::qtProgress().dialog(), dialog);
    EXPECT_EQ(dialog->windowTitle(), "Second");
    EXPECT_EQ(dialog->value(), 0);
    EXPECT_EQ(dialog->maximum(), 2);

    EndProgress();
    EXPECT_EQ(ui::qtProgress().dialog(), nullptr);
    StepProgress("after the end");
    EndProgress();
    EXPECT_EQ(ui::qtProgress().dialog(), nullptr);
}

TEST_F(QtUiTest, MessageBoxOverAnOpenProgressWindow)
{
    VelaCardProgress progress;
    progress.Open("Creating Advanteck Data Collection Card ... Please Wait", 5);
    progress.Step("Validating Card ...");
    SeenBox box;
    whenBoxOpens([&](QMessageBox* b) {
        box = seen(b);
        b->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(progress.Msg("Card Unknown...\nError Num: 2", "ERROR: Reader Manager", true), IDOK);
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
    progress.Close();
    EXPECT_EQ(ui::qtProgress().dialog(), nullptr);
}
