// A kind entered in the editor registry by a library above the editors opens that library's editor in every grid
// window, and its value reaches the cell; taken out again, the kind opens nothing.
#include <QLineEdit>

#include "GridEditorFixture.h"
#include "UGridAdapter.h"
#include "UGridEditorRegistry.h"

namespace {

// A plain line edit as the memo kind's editor: what a drop-down cell editor does through the registry.
class TTestLineCell : public TGridAdapter<TGuarded<QLineEdit>> {
 public:
  using TGridAdapter::TGridAdapter;
  bool Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) override {
    ++Opened;
    LastKind = kind;
    Begin();
    setText(FGrid.GetEditText(place.Col, place.Row).toUpper());
    host.Present(this, place, 0);
    return true;
  }
  static inline int Opened = 0;
  static inline TEditorType LastKind = edNormal;

 protected:
  TEditorValue CellValue(TEditorType) const override { return Text_Value(text() + "!"); }
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Return) {
      FGrid.HideInplaceEdit();
      return;
    }
    TGridAdapter::keyPressEvent(e);
  }
};

class EditorRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    TTestLineCell::Opened = 0;
    TGridEditorRegistry::Instance().Register({edMemoDropDown, edColorPickerDropDown}, [](TGridEditorFactory& w) {
      return std::make_unique<TTestLineCell>(w.Grid(), &w.View(), w.View().viewport());
    });
  }
  void TearDown() override { TGridEditorRegistry::Instance().Unregister({edMemoDropDown, edColorPickerDropDown}); }
};

TEST_F(EditorRegistry, ARegisteredKindOpensItsEditorAndCommitsItsValue) {
  for (const TEditorType kind : {edMemoDropDown, edColorPickerDropDown}) {
    TEditedGrid g;
    g.Grid->DefaultEditor = kind;
    g.Open(1, 1, "abc");
    auto* cell = dynamic_cast<TTestLineCell*>(g.Factory->Editor(kind));
    ASSERT_NE(cell, nullptr) << kind;
    EXPECT_EQ(TTestLineCell::LastKind, kind);
    EXPECT_TRUE(cell->isVisible()) << kind;
    EXPECT_EQ(g.Factory->EditCtrl(), cell) << kind;
    EXPECT_EQ(cell->text(), "ABC") << kind;
    g.Key(Qt::Key_End);
    g.Type("d");
    g.Key(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(cell->isVisible()) << kind;
    EXPECT_FALSE(cell->isEnabled()) << kind;
    EXPECT_EQ(g.Grid->Cells(1, 1), "ABCd!") << kind;
  }
}

TEST_F(EditorRegistry, KindsOfOneMakerShareOneEditorPerWindow) {
  TEditedGrid g;
  EXPECT_EQ(TTestLineCell::Opened, 0);
  TGridCellEditor* memo = g.Factory->Editor(edMemoDropDown);
  EXPECT_EQ(g.Factory->Editor(edColorPickerDropDown), memo);
  TEditedGrid other;
  EXPECT_NE(other.Factory->Editor(edMemoDropDown), memo);
}

TEST_F(EditorRegistry, AnUnregisteredKindOpensNothingAgain) {
  TGridEditorRegistry::Instance().Unregister({edMemoDropDown});
  TEditedGrid g;
  g.Grid->DefaultEditor = edMemoDropDown;
  g.Open(1, 1, "keep");
  EXPECT_EQ(TTestLineCell::Opened, 0);
  EXPECT_EQ(g.Factory->Editor(edMemoDropDown), nullptr);
  EXPECT_FALSE(g.Grid->EditMode());
  EXPECT_EQ(g.Grid->Cells(1, 1), "keep");
}

}  // namespace
