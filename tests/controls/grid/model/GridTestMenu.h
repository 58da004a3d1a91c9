#pragma once
// The model knows the menu only by name; this test program gives it a body of its own, a plain object the grid
// can watch for its destruction as it watches the real menu.
#include <QObject>

class TPopupMenu : public QObject {};
