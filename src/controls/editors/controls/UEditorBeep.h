#pragma once
// The beep an editor gives when it refuses a key. Tests install a hook to count them; without one the platform's
// default beep sounds.
#include <functional>

void EditorBeep();
// An empty hook restores the platform's beep.
void Set_Editor_Beep_Hook(std::function<void()> hook);
