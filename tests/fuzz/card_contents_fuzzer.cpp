// What a card in the reader hands back: any chip, flags, header and data
// area. Input: chip, flags (bit 0 pom, bit 1 initialised, bits 2-3 the key
// set), the 8 header bytes, then the data area (file 0x2001). The card is
// read back as a setup card, parsed as each kind of DC card and described as
// every card type the report knows, whatever its header says.
#include "card/card_image_file.h"
#include "card/card_images.h"
#include "card/virtual_reader.h"
#include "fuzz_support.h"
#include "laundry/laundry.h"
#include "services/cardcore.h"
#include "services/readerio.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kFixedBytes = 2 + card::kHeaderSize;

card::CardState cardFrom(const uint8_t* data, size_t size)
{
    card::CardState card;
    card.chip = data[0];
    card.pom = data[1] & 0x01;
    card.initialised = data[1] & 0x02;
    static constexpr card::KeyArea kKeySets[] = {card::kBlankKeyArea, card::kFactoryKeySet,
                                                 card::kManagementKeySet, card::KeyArea{}};
    card.keys = kKeySets[(data[1] >> 2) & 0x03];
    std::copy_n(data + 2, card::kHeaderSize, card.header.begin());
    const size_t dataArea = std::min<size_t>(size - kFixedBytes, card::kCardFileMaxBytes);
    if (dataArea > 0)
        card.files[0x2001].assign(data + kFixedBytes, data + kFixedBytes + dataArea);
    return card;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < kFixedBytes)
        return 0;
    fuzz::silentUi();
    static const QString path = fuzz::scratchPath("reader.lcard");
    QString error = card::saveCardImageFile(path, {cardFrom(data, size)});
    if (!error.isEmpty() || !card::insertCardFile(path, &error))
        fuzz::fail(qPrintable(QStringLiteral("the card cannot go into the reader: ") + error));

    STRUCT_laundry_setup record;
    std::memset(&record, 0, sizeof record);
    uint8_t version = 0;
    read_laundry_setup_card(&record, &version);

    // As a host describes a card: identified and powered first.
    readerio::PowerCard(readerio::POWER_ON);
    for (uint16_t type = 0; type <= 0xFF; ++type) {
        QString text;
        GetCardDetails(type, text);
    }
    readerio::PowerCard(readerio::POWER_OFF);

    card::RexaCard image;
    if (image.Init()) {
        GenericDC records;
        cardcore::NIMBOReadDcCard(image, records);
        cardcore::NIMBOReadGen2StackComplexDcCard(image, records);
        cardcore::NIMBOReadGenericDcCard(image, records, cardcore::kGenericDcAdvanteck);
        cardcore::PostProcessDCData(records);
        image.Close();
    }
    card::resetCardStack();
    fuzz::endInput();
    return 0;
}
