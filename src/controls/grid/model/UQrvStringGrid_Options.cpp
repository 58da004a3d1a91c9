// The option and list objects the grid owns: created with their bindings, copied by Assign, freed in order.
#include "UQrvStringGrid.h"

void TQrvStringGrid::CreateOwnedObjects() {
  FFocusHelper = std::make_unique<TFocusHelper>(this);
  WireLookSetters();
  // Never designed here, so the search footer starts without design-time captions.
  FSearchFooter = std::make_unique<TSearchFooter>(this, false);
  FSearchFooter->OnChange = [this](TGridPersistent*) { UpdateSearchPanel(); };
  FNavigation = std::make_unique<TNavigation>();
  FNavigation->OnChange = [this](TGridPersistent*) { NavigationChanged(); };
  FBands = std::make_unique<TBands>();
  FBands->OnChange = [this](TGridPersistent*) { Invalidate(); };
  ControlLook.OnChange.Fn = [this] { Invalidate(); };
  ProgressAppearance.OnChange.Fn = [this] { Invalidate(); };
  FMouseActions = std::make_unique<TMouseActions>(this);
  FMouseActions->OnChange = [this](TGridPersistent*) { MouseActionsChanged(); };
  FMouseActions->OnIsDesigning = [this](TGridPersistent*, bool& designing) { designing = IsDesigning(); };
  FMouseActions->OnInvalidate = [this](TGridPersistent*) { InvalidateGrid(); };
  FColumnSize->OnStretch = [this](TGridPersistent*) { RestretchColumn(); };
  FSortRowXRef = std::make_unique<TIntList>(0, 0);
  FUnSortRowXRef = std::make_unique<TIntList>(0, 0);
  FMergedColumns = std::make_unique<TIntList>(0, 0);
  FMergedColumns->OnChange = [this](TIntList*, int32_t, int32_t) {
    SplitAllColumnCells();
    MergeAllColumnCells();
  };
  FSelectedCells = std::make_unique<TIntList>(0, 0);
  FSelectedRows = std::make_unique<TIntList>(0, 0);
  FModifiedRows = std::make_unique<TIntList>(0, 0);
  FEnabledRows = std::make_unique<TIntList>(0, 0);
  FOrigColSizes = std::make_unique<TIntList>(0, 0);
  FControlList = std::make_unique<TControlList>();
  FSyncGrid = std::make_unique<TSyncGrid>(this);
  FColumnOrder = std::make_unique<TIntList>(0, 0);
  FIgnoreColumns = std::make_unique<TIntList>(0, 0);
}

void TQrvStringGrid::FreeOwnedObjects() {
  FFocusHelper.reset();
  FIgnoreColumns.reset();
  FControlList.reset();
  FSortRowXRef.reset();
  FUnSortRowXRef.reset();
  FMergedColumns.reset();
  FSelectedCells.reset();
  FSelectedRows.reset();
  FModifiedRows.reset();
  FEnabledRows.reset();
  FNavigation.reset();
  FColumnOrder.reset();
  FBands.reset();
  FMouseActions.reset();
  FSearchFooter.reset();
  FOrigColSizes.reset();
  FSyncGrid.reset();
}

void TQrvStringGrid::AssignOptionObjects(const TQrvStringGrid* source) {
  FMouseActions->Assign(source->FMouseActions.get());
  FNavigation->Assign(source->FNavigation.get());
  Grouping = source->Grouping;
  FSearchFooter->Assign(source->FSearchFooter.get());
  FBands->Assign(source->FBands.get());
  FCellNode->Assign(*source->FCellNode);
  SortSettings = source->SortSettings;
  DragDropSettings = source->DragDropSettings;
  ProgressAppearance.Assign(source->ProgressAppearance);
  FColumnSize->Assign(source->FColumnSize.get());
  FSyncGrid->Assign(source->FSyncGrid.get());
  FFocusHelper->Assign(source->FFocusHelper.get());
}

void TQrvStringGrid::SplitAllColumnCells() {
  for (int32_t c = 0; c < ColCount(); ++c) SplitColumnCells(c);
}

void TQrvStringGrid::MergeAllColumnCells() {
  for (int32_t i = 0; i < FMergedColumns->Count(); ++i) {
    const int32_t c = FMergedColumns->GetInteger(i);
    if (c >= 0 && c < TotalColCount()) MergeColumnCells(c, true);
  }
}

void TQrvStringGrid::LoadedOptionObjects() {
  // The grid opens its editors itself.
  if (Options() & goAlwaysShowEditor) {
    FNavigation->SetAlwaysEdit(true);
    SetOptions(Options() & ~TGridOptions(goAlwaysShowEditor));
  }
  SearchFooter().SetAutoThemeAdapt(FAutoThemeAdapt);
  UpdateSearchPanel();
}

void TQrvStringGrid::FollowSyncGrid(TSyncFollow what, int32_t from, int32_t to) {
  TStringGrid* partner = FSyncGrid ? FSyncGrid->Grid() : nullptr;
  // A grid that follows its partner passes nothing back: two grids linked both ways move once.
  if (!partner || FSyncedMove) return;
  auto* linked = dynamic_cast<TQrvStringGrid*>(partner);
  if (linked) linked->FSyncedMove = true;
  struct TFollowEnd {
    TQrvStringGrid* Linked;
    ~TFollowEnd() {
      if (Linked) Linked->FSyncedMove = false;
    }
  } followEnd{linked};
  const TSyncGrid& sync = *FSyncGrid;
  // A place the partner does not have is not passed on.
  switch (what) {
    case TSyncFollow::Cursor:
      if (sync.SelectionColumn() && partner->Col() != Col() && Col() < partner->ColCount()) partner->SetCol(Col());
      if (sync.SelectionRow() && partner->Row() != Row() && Row() < partner->RowCount()) partner->SetRow(Row());
      break;
    case TSyncFollow::Scroll:
      if (sync.ScrollVertical() && TopRow() < partner->RowCount()) partner->SetTopRow(TopRow());
      if (sync.ScrollHorizontal() && LeftCol() < partner->ColCount()) partner->SetLeftCol(LeftCol());
      break;
    case TSyncFollow::Column:
      if (!sync.MoveColumn()) break;
      if (linked) {
        // The partner moves the column by its own display indexes; one it hides cannot move there.
        if (linked->IsHiddenColumn(from) || linked->IsHiddenColumn(to)) break;
        from = linked->RealToDisplayCol(from);
        to = linked->RealToDisplayCol(to);
      }
      if (std::max(from, to) < partner->ColCount()) partner->MoveColumn(from, to);
      break;
    case TSyncFollow::Row:
      if (!sync.MoveRow()) break;
      if (linked) {
        if (linked->IsHiddenRow(from) || linked->IsHiddenRow(to)) break;
        from = linked->RealToDisplayRow(from);
        to = linked->RealToDisplayRow(to);
      }
      if (std::max(from, to) < partner->RowCount()) partner->MoveRow(from, to);
      break;
  }
}

void TQrvStringGrid::CurrentCellMoved() {
  FollowSyncGrid(TSyncFollow::Cursor);
}

void TQrvStringGrid::TopLeftChanged() {
  TBaseGrid::TopLeftChanged();
  FollowSyncGrid(TSyncFollow::Scroll);
}
