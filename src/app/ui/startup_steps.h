#pragma once
// Steps given in the environment variable NENCHO_STARTUP_STEPS run one after another once the
// program's event loop runs, so that a test can start the real program as a process of its own
// and drive it through its controls. Steps are separated by ";":
//   press Form1.Command8   clicks a button
//   close Form1            closes a screen's window as its close box does
// A step that cannot be run is reported on the standard error and ends the program with
// status 2, so that a test never waits on a program that did not understand it.
namespace nencho {

inline constexpr const char* kStartupStepsVariable = "NENCHO_STARTUP_STEPS";

// Reads the variable and queues its steps; nothing when it is unset.
void scheduleStartupSteps();

}  // namespace nencho
