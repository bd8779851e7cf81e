// The machine-type variants of the Alliance Quantum/ACA setup card: which
// machine types each product line takes, their code bytes, and the bytes each
// variant writes after the common part of block A.
#pragma once

#include "laundry/laundry_setup.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace setup {

inline constexpr std::size_t kAllianceBlockASize = 138;
inline constexpr std::size_t kAllianceBlockBSize = 64;

using AllianceBlockA = std::array<uint8_t, kAllianceBlockASize>;
using AllianceBlockB = std::array<uint8_t, kAllianceBlockBSize>;

// Washers carry nine cycle prices in block A and leave block B zero; dryers
// carry two prices in block A and their price list in block B.
enum class AllianceMachineKind { Washer, Dryer };

struct AllianceVariant {
    uint8_t machineType;
    AllianceMachineKind kind;
    std::array<uint8_t, 4> codeBytes; // block A 82-85
    // The variant's own block A bytes besides the prices.
    void (*writeTail)(AllianceBlockA& block, const STRUCT_laundry_setup& record);
};

// nullptr when the product line does not take `machineType`.
const AllianceVariant* findAcaVariant(uint8_t machineType);
const AllianceVariant* findCenturionVariant(uint8_t machineType);

} // namespace setup
