// A clean card stack and a scratch folder for each card test.
#pragma once

#include "support/test_files.h"

#include "card/card_dump.h"
#include "card/card_image_file.h"
#include "card/virtual_reader.h"
#include "services/readerio.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// An initialised card keeps customer id 0 as NIMBOCreateCard leaves it.
inline card::CardState initialisedCard(uint8_t type = 0, uint8_t chip = 0, bool pom = false)
{
    card::CardState state = card::CardState::factoryFresh(chip, pom);
    state.initialise();
    state.setCardType(type);
    return state;
}

class CardStackTest : public ::testing::Test {
protected:
    void SetUp() override { card::resetCardStack(); }
    void TearDown() override { card::resetCardStack(); }

    QString path(const QString& name) const { return dir_.filePath(name); }

    QString writeImages(const QString& name, const std::vector<card::CardState>& images)
    {
        const QString file = path(name);
        EXPECT_EQ(card::saveCardImageFile(file, images), QString());
        return file;
    }

    // Puts the card into the reader from a file of its own, powered if asked.
    QString insert(const card::CardState& state, bool powered = false,
                   const QString& name = QStringLiteral("slot.lcif"))
    {
        const QString file = writeImages(name, {state});
        QString error;
        EXPECT_TRUE(card::insertCardFile(file, &error)) << error.toStdString();
        EXPECT_TRUE(!powered || readerio::PowerCard(readerio::POWER_ON));
        return file;
    }

    // The card as stored in its file, to prove write-through.
    static card::CardState cardOnDisk(const QString& file, std::size_t index = 0)
    {
        std::vector<card::CardState> images;
        EXPECT_EQ(card::loadCardImageFile(file, &images), QString());
        return index < images.size() ? images[index] : card::CardState{};
    }

    QTemporaryDir dir_;
};
