// Reads a packed card block (card_bytes.h) back from the data area of the
// current card: the open file image's, else the card in the reader.
#pragma once

#include "services/cardlayout.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace setup {

// Bytes [from, to) of `block`, which lies at data-area offset `at`, in one
// data-area read. False when the read failed; the block is then unchanged.
template <class Block>
bool readBlockBytes(Block& block, uint32_t at, std::size_t from, std::size_t to)
{
    static_assert(std::is_trivially_copyable_v<Block> && alignof(Block) == 1);
    HEADER_DATA_AREA area{};
    area.length = static_cast<uint32_t>(to - from);
    area.offset = static_cast<uint32_t>(at + from);
    if (cardlayout::NIMBOReadDataArea(&area) != 0)
        return false;
    std::memcpy(reinterpret_cast<uint8_t*>(&block) + from, area.data, to - from);
    return true;
}

template <class Block> bool readBlock(Block& block, uint32_t at)
{
    return readBlockBytes(block, at, 0, sizeof block);
}

} // namespace setup
