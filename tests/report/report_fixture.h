// The card details report tests: a setup card written onto the card in the
// reader by the library's own writer, and what the report of its type
// appends to the host's text.
#pragma once

#include "card/card_images.h"
#include "laundry/laundry.h"
#include "services/cardlayout.h"
#include "services/prompt.h"
#include "services/readerio.h"
#include "setup/setup_record.h"
#include "support/card_fixture.h"
#include "support/test_files.h"

#include <cstring>

class ReportFixture : public CardFixture {
protected:
    static constexpr char kHostText[] = "Card Type: host text\r\n";

    // Writes the record onto a fresh card in the reader, left powered as the
    // host leaves it before the report.
    void writeCard(STRUCT_laundry_setup record)
    {
        insertCard(fresh());
        card::RexaCard image;
        ASSERT_EQ(create_laundry_setup_card(&image, record.word_02, &record, 0), 1);
        script().clear();
        ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    }

    // An initialised card of `type` in the reader, powered.
    void insertPowered(uint8_t type)
    {
        insertCard(initialised(type, 0x0412));
        ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    }

    // Puts `bytes` into the card's data area at `offset`, as a machine would.
    static void putData(uint32_t offset, const QByteArray& bytes)
    {
        HEADER_DATA_AREA area{};
        area.length = uint32_t(bytes.size());
        area.offset = offset;
        std::memcpy(area.data, bytes.constData(), size_t(bytes.size()));
        ASSERT_EQ(cardlayout::NIMBOSetDataArea(&area), 0);
    }

    // What the report of `cardType` appends after the host's own text, with
    // no message shown.
    QString appended(uint16_t cardType)
    {
        QString text = QString::fromLatin1(kHostText);
        GetCardDetails(cardType, text);
        EXPECT_TRUE(text.startsWith(QLatin1String(kHostText)));
        EXPECT_TRUE(script().messages().empty()) << script().messageTexts().join("|").toStdString();
        return text.mid(int(sizeof kHostText) - 1);
    }

    // The report of `cardType` shows `message` and appends nothing.
    void expectReadErrorOnly(uint16_t cardType, const char* message)
    {
        script().clear();
        QString text = QString::fromLatin1(kHostText);
        GetCardDetails(cardType, text);
        EXPECT_EQ(text, QLatin1String(kHostText));
        ASSERT_EQ(script().messages().size(), 1u);
        const ui::RecordedMessage& box = script().messages()[0];
        EXPECT_EQ(box.text, message);
        EXPECT_EQ(box.caption, "ERROR: Read Card");
        EXPECT_EQ(box.buttons, unsigned(promptui::MB_OK));
        script().clear();
    }
};
