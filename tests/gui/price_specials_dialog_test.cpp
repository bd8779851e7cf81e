// The Price Special Profiles dialog from Reader Manager's Card menu: a
// profile and an entry typed in, the card written by the dialog's button,
// and the card panel describing it. LAUNDRY_SCREENSHOT_DIR, when set, gets
// a picture of each mode.
#include "reader_manager_fixture.h"
#include "services/dialog_runner.h"
#include "services/system_database.h"
#include "small_screen.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr uint16_t kHostCustomer = 0x4321;

class PriceSpecialsDialogTest : public ReaderManagerTest {
protected:
    ~PriceSpecialsDialogTest() override
    {
        promptui::setDialogRunner({});
        systemdb::setDatabasePath({});
    }

    // The operator adds a profile with one Monday entry and writes its card.
    static void addProfileAndWriteCard(QDialog& dialog, const char* screenshot)
    {
        dialog.show();
        EXPECT_TRUE(fitsSmallScreen(dialog));
        const auto child = [&dialog](const char* name) {
            QWidget* widget = dialog.findChild<QWidget*>(QString::fromLatin1(name));
            EXPECT_NE(widget, nullptr) << name;
            return widget;
        };
        const auto click = [&](const char* name) {
            static_cast<QPushButton*>(child(name))->click();
        };
        dialog.findChild<QAction*>(QStringLiteral("addProfileAction"))->trigger();
        EXPECT_FALSE(child("profileList")->isEnabled());
        EXPECT_EQ(static_cast<QPushButton*>(child("okButton"))->text(), "Update");
        static_cast<QLineEdit*>(child("profileName"))->setText(QStringLiteral("Evening"));
        click("okButton");
        click("addSpecialButton");
        EXPECT_TRUE(child("monday")->isEnabled());
        EXPECT_FALSE(child("createCardButton")->isEnabled());
        static_cast<QCheckBox*>(child("monday"))->setChecked(true);
        click("okButton");
        EXPECT_EQ(static_cast<QTreeWidget*>(child("entryList"))->topLevelItemCount(), 1);
        EXPECT_TRUE(child("createCardButton")->isEnabled());
        click("createCardButton");
        if (const QByteArray dir = qgetenv("LAUNDRY_SCREENSHOT_DIR"); !dir.isEmpty())
            dialog.grab().save(QString::fromLocal8Bit(dir) + '/' + screenshot);
        click("cancelButton");
    }
};

TEST_F(PriceSpecialsDialogTest, EachModeWritesItsCardFromTheCardMenu)
{
    struct Case {
        const char* action;
        const char* screenshot;
        uint8_t type;
        const char* created;
        const char* typeShown;
        const char* details; // the card details report
    } cases[] = {
        {"priceSpecialsAction", "price_specials.png", 0xB0, "Price Specials Card Created", "(176)",
         "Default Vend: $1.00\nDefault Topoff: $0.00\nTopoff Time: 0 (mins)\nNumber of "
         "Specials: 1\n"},
        {"doorAccessAction", "door_access.png", 0xBE, "Restriction Time Card Created", "(190)",
         "The card details report decodes no card of type 190."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        auto window = makeWindow(path(QString::fromLatin1(c.action)));
        window->setCustomerId(kHostCustomer);
        insertCard(fresh(), QString::fromLatin1(c.action) + ".lcard");
        window->refreshCard();
        script().clear();
        promptui::setDialogRunner([&c](QDialog& dialog) {
            addProfileAndWriteCard(dialog, c.screenshot);
            return dialog.result();
        });
        window->action(QString::fromLatin1(c.action))->trigger();

        EXPECT_EQ(script().lastMessage()->text, c.created)
            << script().messageTexts().join('|').toStdString();
        const card::CardState& written = *card::insertedCard();
        EXPECT_EQ(written.cardType(), c.type);
        EXPECT_EQ(written.custId(), kHostCustomer);
        EXPECT_EQ(written.files.at(0x2001)[13], 1);
        EXPECT_TRUE(shown(*window, "cardTypeLabel").endsWith(c.typeShown))
            << shown(*window, "cardTypeLabel").toStdString();
        EXPECT_EQ(shown(*window, "cardDetailsView"), c.details);
        if (const QByteArray dir = qgetenv("LAUNDRY_SCREENSHOT_DIR"); !dir.isEmpty())
            window->grab().save(QString::fromLocal8Bit(dir) + "/reader_manager_" + c.screenshot);
    }
}

} // namespace
