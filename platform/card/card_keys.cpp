#include "card/card_keys.h"

namespace card {

KeyState keyStateOf(const KeyArea& keys)
{
    if (keys == kBlankKeyArea)
        return KeyState::Blank;
    if (keys == kFactoryKeySet)
        return KeyState::Factory;
    if (keys == kManagementKeySet)
        return KeyState::Management;
    return KeyState::Unknown;
}

QString keyStateName(KeyState state)
{
    switch (state) {
    case KeyState::Blank:
        return QStringLiteral("blank");
    case KeyState::Factory:
        return QStringLiteral("factory (ZQ)");
    case KeyState::Management:
        return QStringLiteral("management");
    case KeyState::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

namespace keystore {
namespace {
bool management = false;
} // namespace

void loadManagement()
{
    management = true;
}
bool managementLoaded()
{
    return management;
}
void reset()
{
    management = false;
}

} // namespace keystore

} // namespace card
