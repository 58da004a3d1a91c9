#pragma once
// Whether a widget lies within another, following parents across window edges: a combo's list is a window of its
// own but still a child of its combo, where QWidget::isAncestorOf stops at the window.
class QWidget;

bool Widget_Within(const QWidget* w, const QWidget* owner);
