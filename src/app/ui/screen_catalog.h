#pragma once

namespace nencho {

// Registers a factory for every screen of the program with the registry.
void registerScreens();

}  // namespace nencho
