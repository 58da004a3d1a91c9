#pragma once
// A grid window with its editors in a top-level window that has the focus, beside a line edit to move the focus
// to: 4 columns of 60 pixels, 6 rows of 20, one fixed row and column, editing on, the current cell (1, 1).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <memory>

#include "UEditorBeep.h"
#include "UGridCombo.h"
#include "UGridEditorFactory.h"
#include "UGridView.h"
#include "UQrvInplaceEdit.h"
#include "UQrvStringGrid.h"

class TEditedGrid {
 public:
  explicit TEditedGrid(std::unique_ptr<TQrvStringGrid> grid = std::make_unique<TQrvStringGrid>()) {
    Grid = grid.get();
    auto* layout = new QVBoxLayout(&Window);
    View = new TGridView(std::move(grid));
    Other = new QLineEdit;
    layout->addWidget(View);
    layout->addWidget(Other);
    TGridEditorFactory::Install(*View);
    Factory = static_cast<TGridEditorFactory*>(View->Editors());
    Grid->SetColCount(4);
    Grid->SetRowCount(6);
    Grid->SetDefaultColWidth(60);
    Grid->SetDefaultRowHeight(20);
    Grid->SetOptions(Grid->Options() | goEditing);
    Window.resize(320, 220);
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
    Activate();
    Set_Editor_Beep_Hook([this] { ++Beeps; });
  }
  ~TEditedGrid() { Set_Editor_Beep_Hook({}); }

  // The window becomes the active one and its grid takes the focus.
  void Activate() {
    QApplication::setActiveWindow(&Window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
    View->setFocus();
    QApplication::processEvents();
  }
  TQrvInplaceEdit* Edit() { return Factory->NormalEdit(); }
  TGridCombo* Combo() { return Factory->Combobox(); }
  QWidget* Focused() { return QApplication::focusWidget(); }
  void Type(const QString& keys) { QTest::keyClicks(Focused(), keys); }
  void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(Focused(), key, mods); }
  // Opens the editor on a cell holding `text`.
  void Open(int32_t c, int32_t r, const QString& text) {
    Grid->SetCells(c, r, text);
    Grid->MoveToCell(c, r);
    Grid->ShowInplaceEdit();
    QApplication::processEvents();
  }

  QWidget Window;
  TGridView* View = nullptr;
  QLineEdit* Other = nullptr;
  TQrvStringGrid* Grid = nullptr;
  TGridEditorFactory* Factory = nullptr;
  int Beeps = 0;
};
