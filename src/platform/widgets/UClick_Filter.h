#pragma once
// Lets a plain label answer a left click (flag pictures, language names, web addresses).
#include <QLabel>
#include <functional>

// The label shows a hand cursor and calls onClick when a left button is released over it.
void On_Left_Click(QLabel* label, std::function<void()> onClick);
