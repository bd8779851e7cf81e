// The library's module state, set up on entry to every export: the prompt and
// progress implementation the host chose, and a QApplication when message
// boxes need one and the host runs none.
#pragma once

namespace exports {

class ModuleState {
public:
    ModuleState();
    ModuleState(const ModuleState&) = delete;
    ModuleState& operator=(const ModuleState&) = delete;
};

void setHostUiMode(int mode);

} // namespace exports
