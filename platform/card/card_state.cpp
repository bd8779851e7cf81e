#include "card/card_state.h"

#include "card/card_status.h"

#include <algorithm>
#include <cstring>

namespace card {

CardState CardState::factoryFresh(uint8_t chip, bool pom)
{
    CardState card;
    card.chip = chip;
    card.pom = pom;
    card.header.fill(0xFF);
    card.keys = kBlankKeyArea;
    return card;
}

void CardState::initialise()
{
    header.fill(0);
    files.clear();
    keys = kFactoryKeySet;
    initialised = true;
}

uint16_t CardState::custId() const
{
    return static_cast<uint16_t>(header[kHeaderCustIdOffset] << 8 |
                                 header[kHeaderCustIdOffset + 1]);
}

uint32_t CardState::extent(uint16_t fileId) const
{
    const auto it = files.find(fileId);
    return it == files.end() ? 0 : static_cast<uint32_t>(it->second.size());
}

uint8_t CardState::read(FileSelection file, uint32_t offset, uint32_t length, uint8_t* out,
                        uint32_t maxSize) const
{
    if (length > 0 && out == nullptr)
        return kStatusBadArgument;
    if (!file) {
        if (!fitsIn(offset, length, kHeaderSize))
            return kStatusOutOfRange;
        std::copy_n(header.begin() + offset, length, out);
        return kStatusOk;
    }
    if (!fitsIn(offset, length, maxSize))
        return kStatusOutOfRange;
    std::fill_n(out, length, uint8_t{0});
    const auto it = files.find(*file);
    if (it != files.end() && offset < it->second.size()) {
        const std::size_t stored = std::min<std::size_t>(length, it->second.size() - offset);
        std::copy_n(it->second.begin() + offset, stored, out);
    }
    return kStatusOk;
}

uint8_t CardState::write(FileSelection file, uint32_t offset, uint32_t length, const uint8_t* in,
                         uint32_t maxSize)
{
    if (!initialised)
        return kStatusNotInitialised;
    if (length > 0 && in == nullptr)
        return kStatusBadArgument;
    if (!file) {
        if (!fitsIn(offset, length, kHeaderSize))
            return kStatusOutOfRange;
        std::copy_n(in, length, header.begin() + offset);
        return kStatusOk;
    }
    if (!fitsIn(offset, length, maxSize))
        return kStatusOutOfRange;
    if (length == 0)
        return kStatusOk; // an empty write creates nothing and moves no extent
    auto& bytes = files[*file];
    if (bytes.size() < offset + length)
        bytes.resize(offset + length, 0);
    std::copy_n(in, length, bytes.begin() + offset);
    return kStatusOk;
}

uint8_t CardState::setCardType(uint8_t type)
{
    return write(std::nullopt, kHeaderTypeOffset, 1, &type, 0);
}

uint8_t CardState::setCustId(uint16_t custId)
{
    const uint8_t bytes[2] = {static_cast<uint8_t>(custId >> 8), static_cast<uint8_t>(custId)};
    return write(std::nullopt, kHeaderCustIdOffset, 2, bytes, 0);
}

uint8_t CardState::setVersion(uint8_t version)
{
    return write(std::nullopt, kHeaderVersionOffset, 1, &version, 0);
}

uint8_t CardState::setKeys(const KeyArea& newKeys)
{
    if (!initialised)
        return kStatusNotInitialised;
    keys = newKeys;
    return kStatusOk;
}

} // namespace card
