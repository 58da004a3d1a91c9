#include "UGridEditorRegistry.h"

#include "UEditLink.h"
#include "UGridButton.h"
#include "UGridCheckBox.h"
#include "UGridCombo.h"
#include "UGridDatePicker.h"
#include "UGridDateTimePicker.h"
#include "UGridEditBtn.h"
#include "UGridEditorFactory.h"
#include "UGridRichHost.h"
#include "UGridSpin.h"
#include "UGridUnitEditBtn.h"
#include "UGridView.h"
#include "UQrvStringGrid.h"

namespace {

// The owner's own editor (edCustom), reached through the grid's edit link; no link, no editor.
class TEditLinkCell : public TGridCellEditor {
 public:
  explicit TEditLinkCell(TQrvStringGrid& grid) : FGrid(grid) {}
  bool Open(IGridEditorHost& host, TEditorType, const TEditorPlace& place) override {
    if (!FGrid.EditLink()) return false;
    FGrid.EditLink()->Open(FGrid, host.View(), place);
    return true;
  }
  TEditorValue Commit(IGridEditorHost&, TEditorType) override {
    TEditorValue value;
    if (TEditLink* link = FGrid.EditLink()) {
      value.Kind = TEditorValue::Text;
      value.Str = link->Commit();
    }
    return value;
  }
  QWidget* EditControl() override { return FGrid.EditLink() ? FGrid.EditLink()->GetEditControl() : nullptr; }
  // The window forgets the link itself as it goes, whether or not this editor was ever made.
  void Detach() override {}

 private:
  TQrvStringGrid& FGrid;
};

// The adapters take the grid, the window that gets the keys they hand back, and the viewport as their parent.
template <class TAdapter>
TGridEditorMaker Adapter_Maker() {
  return [](TGridEditorFactory& window) -> std::unique_ptr<TGridCellEditor> {
    return std::make_unique<TAdapter>(window.Grid(), &window.View(), window.View().viewport());
  };
}

}  // namespace

TGridEditorRegistry& TGridEditorRegistry::Instance() {
  static TGridEditorRegistry registry;
  return registry;
}

TGridEditorRegistry::TGridEditorRegistry() {
  FKinds.fill(-1);
  Register({edComboEdit, edComboList}, Adapter_Maker<TGridCombo>());
  Register({edSpinEdit, edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit}, Adapter_Maker<TGridSpin>());
  Register({edEditBtn, edNumericEditBtn, edFloatEditBtn, edMaskEditBtn}, Adapter_Maker<TGridEditBtn>());
  Register({edUnitEditBtn, edNumericUnitEditBtn, edFloatUnitEditBtn}, Adapter_Maker<TGridUnitEditBtn>());
  Register({edCheckBox}, [](TGridEditorFactory& window) -> std::unique_ptr<TGridCellEditor> {
    return std::make_unique<TGridCheckBox>(window.Grid(), window.View().viewport());
  });
  Register({edButton}, Adapter_Maker<TGridButton>());
  Register({edDateEdit, edDateEditUpDown, edTimeEdit}, Adapter_Maker<TGridDatePicker>());
  Register({edDateTimeEdit}, Adapter_Maker<TGridDateTimePicker>());
  Register({edRichEdit}, [](TGridEditorFactory& window) -> std::unique_ptr<TGridCellEditor> {
    return std::make_unique<TGridRichHost>(window.View(), window.Grid());
  });
  Register({edCustom}, [](TGridEditorFactory& window) -> std::unique_ptr<TGridCellEditor> {
    return std::make_unique<TEditLinkCell>(window.Grid());
  });
}

void TGridEditorRegistry::Register(std::initializer_list<TEditorType> kinds, TGridEditorMaker maker) {
  FMakers.push_back(std::move(maker));
  for (TEditorType kind : kinds) FKinds[size_t(kind)] = int32_t(FMakers.size()) - 1;
}

void TGridEditorRegistry::Unregister(std::initializer_list<TEditorType> kinds) {
  for (TEditorType kind : kinds) FKinds[size_t(kind)] = -1;
}

int32_t TGridEditorRegistry::MakerOf(TEditorType kind) const {
  return kind >= 0 && kind < TEditorTypeCount ? FKinds[size_t(kind)] : -1;
}
