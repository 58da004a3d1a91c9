#pragma once
// Small window operations of the grid module.
class QWidget;

// The form a control sits on: the control itself when it is a window, else the same question for its parent; null
// for none.
QWidget* FindParentForm(QWidget* control);
// Lets the mouse pass through a window to what lies under it (the rich edit the grid measures with); null is
// ignored.
void SetWindowTransparent(QWidget* window);
