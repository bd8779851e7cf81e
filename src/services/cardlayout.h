// Card header and data-area layouts of the current card: the card in the
// reader, or the current image of a file image while one is open.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
// Parameter record of the header and data-area calls. Header-area calls use
// the buffer from data index 950 (record offset 958); data-area calls use
// data index 0 onward for data-area offset `offset` onward.
struct HEADER_DATA_AREA {
    uint32_t length;
    uint32_t offset;
    uint8_t data[960];
};
#pragma pack(pop)
static_assert(sizeof(HEADER_DATA_AREA) == 968);
static_assert(offsetof(HEADER_DATA_AREA, length) == 0);
static_assert(offsetof(HEADER_DATA_AREA, offset) == 4);
static_assert(offsetof(HEADER_DATA_AREA, data) == 8);

#pragma pack(push, 1)
// Parameter record of NIMBOCreateDcCard; little-endian.
struct DC_CARD {
    uint8_t card_type; // 210, 212, 215 or 217
    uint8_t pad_1;
    uint16_t cust_id;
    uint8_t dc_option; // kept on the card for the machines' readers
    uint8_t pad_5[3];
    uint32_t reserved_8;
    uint32_t reserved_12;
    uint8_t reserved_16;
    uint8_t reserved_17;
};
#pragma pack(pop)
static_assert(sizeof(DC_CARD) == 18);
static_assert(offsetof(DC_CARD, card_type) == 0);
static_assert(offsetof(DC_CARD, cust_id) == 2);
static_assert(offsetof(DC_CARD, dc_option) == 4);
static_assert(offsetof(DC_CARD, reserved_8) == 8);
static_assert(offsetof(DC_CARD, reserved_12) == 12);
static_assert(offsetof(DC_CARD, reserved_16) == 16);
static_assert(offsetof(DC_CARD, reserved_17) == 17);

struct TOVAN2000_SETUP_CARD;
struct RETRO_FIT_SETUP_CARD;
struct ADVNTECK_SETUP_CARD;
struct MDC_SETUP_CARD;
struct GEN2_SETUP_CARD;

namespace cardlayout {

inline constexpr std::size_t kHeaderAreaDataIndex = 950;

// Initialises a blank card of chip 0: type 0, customer id 0, version 0, no
// files, a zeroed data area and default keys.
uint8_t NIMBOCreateCard();
uint8_t NIMBOSetCardType(uint8_t type);
uint8_t NIMBOGetCardType(uint8_t* type);
uint8_t NIMBOSetCustId(uint16_t custId);
uint8_t NIMBOSetHeaderArea(HEADER_DATA_AREA* area);
uint8_t NIMBOSetDataArea(HEADER_DATA_AREA* area);
uint8_t NIMBOReadHeaderArea(HEADER_DATA_AREA* area);
uint8_t NIMBOReadDataArea(HEADER_DATA_AREA* area);

// Status of a setup-card reader when the current card is a card of another
// type; the record is then left as it was.
inline constexpr uint8_t kStatusWrongSetupCardType = 112;

// Writes a whole Tovan2000 setup card on the current card: the setup data,
// then the header (type, customer id, version 1).
uint8_t NIMBOSetTovan2000Setup(const TOVAN2000_SETUP_CARD* card);

// Setup-card readers: each fills its family record from the current card
// (type, customer id and version from the header, the rest from the data
// area; fields the card does not carry are 0) and returns 0;
// kStatusWrongSetupCardType for a card of another type; the card's status
// when a read fails (109 for a null record). The record changes only on
// success.
uint8_t NIMBOReadTovan2000Setup(TOVAN2000_SETUP_CARD* card);
uint8_t NIMBOReadRetrofitSetup(RETRO_FIT_SETUP_CARD* card);
uint8_t NIMBOReadAdvanteckSetup(ADVNTECK_SETUP_CARD* card);
uint8_t NIMBOReadMdcSetup(MDC_SETUP_CARD* card);
// Maytag Gen2 (type 187) and Gen2 Advanced (type 185) cards.
uint8_t NIMBOReadGen2Setup(GEN2_SETUP_CARD* card);
uint8_t NIMBOReadGen2AdvSetup(GEN2_SETUP_CARD* card);

// NIMBOCreateDcCard with a card type that is no data collection card.
inline constexpr uint8_t kStatusNotDcCardType = 113;

// Formats the current card as an empty data collection card of
// card->card_type for card->cust_id (docs/dc-card-format.md): the data area
// is erased and gets an empty DC area header, the card header the type, the
// customer id and the DC format version. All or nothing: on a failure the
// card is left as it was. 0, or the card's status.
uint8_t NIMBOCreateDcCard(const DC_CARD* card);

} // namespace cardlayout
