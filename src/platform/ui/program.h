#pragma once
// Ending the program: the main menu's end button and close box and the end buttons of several
// screens end the whole program at once. Tests replace the hook to see that it happened.
#include <functional>

namespace nencho {

void endProgram();
void setProgramEndHook(std::function<void()> hook);  // an empty hook restores the real end

}  // namespace nencho
