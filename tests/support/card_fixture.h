// A clean card stack, a temporary folder for card files and the scripted
// prompt and progress services, for tests that drive exports end to end.
#pragma once

#include "card/card_dump.h"
#include "card/card_image_file.h"
#include "card/fault_injection.h"
#include "card/virtual_reader.h"
#include "laundry/laundry.h"
#include "platform/ui/checked_scripted_ui.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

class CardFixture : public ::testing::Test {
protected:
    CardFixture()
    {
        card::resetCardStack();
        set_laundry_ui_mode(LAUNDRY_UI_SCRIPTED);
    }
    ~CardFixture() override { card::resetCardStack(); }

    QString path(const QString& name) const { return dir_.filePath(name); }

    // Makes a card file and puts it into the reader.
    QString insertCard(const card::NewCardFileOptions& options, const QString& name = "card.lcard")
    {
        const QString file = path(name);
        EXPECT_EQ(card::createCardImageFile(file, options), QString());
        QString error;
        EXPECT_TRUE(card::insertCardFile(file, &error)) << error.toStdString();
        return file;
    }

    static card::NewCardFileOptions initialised(uint8_t type, uint16_t custId, uint8_t chip = 0)
    {
        card::NewCardFileOptions o = fresh(chip);
        o.type = type;
        o.custId = custId;
        return o;
    }

    static card::NewCardFileOptions fresh(uint8_t chip = 0)
    {
        card::NewCardFileOptions o;
        o.chip = chip;
        return o;
    }

    // The first image of a card file as it is on disk now.
    card::CardState onDisk(const QString& file) const
    {
        std::vector<card::CardState> images;
        EXPECT_EQ(card::loadCardImageFile(file, &images), QString());
        return images.empty() ? card::CardState{} : images.front();
    }

    ui::ScriptedUi& script() { return ui_.ui(); }

private:
    QTemporaryDir dir_;
    uitest::CheckedScriptedUi ui_;
};
