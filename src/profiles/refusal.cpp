#include "profiles/refusal.h"

namespace profiles {

void showRefusal(const Refusal& refusal)
{
    promptui::MessageBox(refusal.message, refusal.caption, promptui::MB_OK | refusal.icon);
}

} // namespace profiles
