#pragma once
// The "dialog code" question: before a window takes Enter, Esc or Tab for its default button, cancel button or
// focus step, it asks the focused control which of those keys it wants for itself. Controls answer by deriving
// from TDialogCodeControl; the flags keep their classic values.
#include <QKeyEvent>
#include <QWidget>
#include <cstdint>

constexpr uint32_t DLGC_WANTARROWS = 0x1;
constexpr uint32_t DLGC_WANTTAB = 0x2;
// Enter and Esc as well as every other key.
constexpr uint32_t DLGC_WANTALLKEYS = 0x4;
constexpr uint32_t DLGC_WANTCHARS = 0x80;

class TDialogCodeControl {
 public:
  virtual ~TDialogCodeControl() = default;
  // The keys the control wants while `key` is pressed on it.
  virtual uint32_t DialogCode(const QKeyEvent& key) const = 0;
};

// The control's answer; a control that does not answer wants none of the window's keys, except the toolkit's
// multi-line text fields, which keep Enter (and Tab unless it moves the focus) as they always do.
uint32_t Dialog_Code(const QWidget* control, const QKeyEvent& key);
