#include "UEditorBeep.h"

#include <QApplication>

namespace {
std::function<void()>& Hook() {
  static std::function<void()> hook;
  return hook;
}
}  // namespace

void EditorBeep() {
  if (Hook()) {
    Hook()();
  } else {
    QApplication::beep();
  }
}

void Set_Editor_Beep_Hook(std::function<void()> hook) {
  Hook() = std::move(hook);
}
