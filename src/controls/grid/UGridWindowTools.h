#pragma once
// Small window operations of the grid module.
class QKeyEvent;
class QWidget;

// The form a control sits on: the control itself when it is a window, else the same question for its parent; null
// for none.
QWidget* FindParentForm(QWidget* control);
// Whether the form holding a control sees its keys first: the form's "KeyPreview" property.
bool FormKeyPreview(QWidget* control);
// Hands a copy of the key press to the previewing form of `control`; true when the form took it.
bool OfferKeyToForm(QWidget* control, const QKeyEvent& key);
// Lets the mouse pass through a window to what lies under it (the rich edit the grid measures with); null is
// ignored.
void SetWindowTransparent(QWidget* window);
