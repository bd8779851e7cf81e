// CRC-32 (IEEE 802.3, reflected polynomial 0xEDB88320, as zlib and PNG use).
#pragma once

#include <cstddef>
#include <cstdint>

namespace card {

uint32_t crc32(const uint8_t* data, std::size_t size);

} // namespace card
