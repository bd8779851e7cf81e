// The Tovan2000 setup card (code 180). Its data area mirrors block 1 of the
// Retrofit card wherever the two carry the same field, so a reader of either
// card finds them at the same offsets (docs/setup-card-layouts.md).
#include "card/card_state.h"
#include "card/card_status.h"
#include "card/setup_card_io.h"
#include "laundry/card_types.h"
#include "laundry/tovan2000_setup_card.h"
#include "services/cardlayout.h"

#include <array>
#include <cstring>

namespace cardlayout {

namespace {

constexpr uint8_t kTovan2000CardType = laundry::kTovan2000Card;
// Version 1 marks the data layout below.
constexpr uint8_t kTovan2000CardVersion = 1;
constexpr uint32_t kTovan2000DataSize = 60;

constexpr std::size_t kVendPrice = 8;
constexpr std::size_t kCustId = 10;
constexpr std::size_t kWord04 = 12;
constexpr std::size_t kOptionFlags = 14;
constexpr std::size_t kTimes = 32;
constexpr std::size_t kTopoffPrice = 38;
constexpr std::size_t kTextFields = 40;

using Tovan2000Data = std::array<uint8_t, kTovan2000DataSize>;

Tovan2000Data encode(const TOVAN2000_SETUP_CARD& c)
{
    Tovan2000Data d{};
    card::storeBe16(&d[kVendPrice], c.vend_price);
    card::storeBe16(&d[kCustId], c.word_02_again);
    card::storeBe16(&d[kWord04], c.word_04);
    d[kOptionFlags] = c.option_flags;
    std::memcpy(&d[kTimes], c.time_bcd, sizeof c.time_bcd);
    card::storeBe16(&d[kTopoffPrice], c.topoff_price);
    std::memcpy(&d[kTextFields], c.text_field_10, sizeof c.text_field_10);
    std::memcpy(&d[kTextFields + 10], c.text_field_1a, sizeof c.text_field_1a);
    return d;
}

void decode(const Tovan2000Data& d, TOVAN2000_SETUP_CARD* c)
{
    c->vend_price = card::loadBe16(&d[kVendPrice]);
    c->word_02_again = card::loadBe16(&d[kCustId]);
    c->word_04 = card::loadBe16(&d[kWord04]);
    c->option_flags = d[kOptionFlags];
    std::memcpy(c->time_bcd, &d[kTimes], sizeof c->time_bcd);
    c->topoff_price = card::loadBe16(&d[kTopoffPrice]);
    std::memcpy(c->text_field_10, &d[kTextFields], sizeof c->text_field_10);
    std::memcpy(c->text_field_1a, &d[kTextFields + 10], sizeof c->text_field_1a);
}

} // namespace

uint8_t NIMBOSetTovan2000Setup(const TOVAN2000_SETUP_CARD* card)
{
    if (card == nullptr)
        return card::kStatusBadArgument;

    // Data first: a card that carries the Tovan2000 header always holds its data.
    HEADER_DATA_AREA data{};
    data.length = kTovan2000DataSize;
    data.offset = 0;
    const Tovan2000Data bytes = encode(*card);
    std::memcpy(data.data, bytes.data(), bytes.size());
    if (const uint8_t status = NIMBOSetDataArea(&data))
        return status;

    HEADER_DATA_AREA header{};
    header.length = card::kHeaderVersionOffset + 1;
    header.offset = 0;
    uint8_t* head = header.data + kHeaderAreaDataIndex;
    head[card::kHeaderTypeOffset] = static_cast<uint8_t>(card->card_type & 0xFF);
    card::storeBe16(head + card::kHeaderCustIdOffset, card->word_02);
    head[card::kHeaderVersionOffset] = kTovan2000CardVersion;
    return NIMBOSetHeaderArea(&header);
}

uint8_t NIMBOReadTovan2000Setup(TOVAN2000_SETUP_CARD* card)
{
    if (card == nullptr)
        return card::kStatusBadArgument;
    card::SetupCardHeader header;
    if (const uint8_t status = card::readSetupCardHeader(kTovan2000CardType, &header))
        return status;
    Tovan2000Data bytes{};
    if (const uint8_t status = card::readSetupData(0, kTovan2000DataSize, bytes.data()))
        return status;

    TOVAN2000_SETUP_CARD read{};
    read.card_type = header.type;
    read.word_02 = header.custId;
    decode(bytes, &read);
    *card = read;
    return card::kStatusOk;
}

} // namespace cardlayout
