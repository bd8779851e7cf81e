// The fixed key sets of the simulated cards and the key sets loaded by the
// keyring service. A card's 16-byte key area holds one of them.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace card {

inline constexpr std::size_t kKeyAreaSize = 16;
using KeyArea = std::array<uint8_t, kKeyAreaSize>;

// Key area of a factory-fresh card.
inline constexpr KeyArea kBlankKeyArea = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                          0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
// "ZQ-FACTORY-KEYS!": written when a card is initialised.
inline constexpr KeyArea kFactoryKeySet = {'Z', 'Q', '-', 'F', 'A', 'C', 'T', 'O',
                                           'R', 'Y', '-', 'K', 'E', 'Y', 'S', '!'};
// "LAUNDRY-MGMT-KEY": written by CardSetKeys after LoadKeys.
inline constexpr KeyArea kManagementKeySet = {'L', 'A', 'U', 'N', 'D', 'R', 'Y', '-',
                                              'M', 'G', 'M', 'T', '-', 'K', 'E', 'Y'};

enum class KeyState { Blank, Factory, Management, Unknown };
KeyState keyStateOf(const KeyArea& keys);
// "blank", "factory (ZQ)", "management" or "unknown".
QString keyStateName(KeyState state);

// Which key sets the keyring service has loaded in this process.
namespace keystore {
void loadManagement();
bool managementLoaded();
void reset();
} // namespace keystore

} // namespace card
