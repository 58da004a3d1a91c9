#include "UQrvGridUndoRedo.h"

#include "UBaseGrid.h"

TQrvGridUndoRedo::~TQrvGridUndoRedo() {
  if (FGrid) FGrid->UndoRedoRemoved(this);
}

void TQrvGridUndoRedo::GridRemoved(TBaseGrid* grid) {
  if (FGrid == grid) FGrid = nullptr;
}

void TQrvGridUndoRedo::RegisterChange(int32_t aCol, int32_t aRow, const QString& oldValue, const QString& newValue) {
  if (FMaxLevel > 0 && Count() >= FMaxLevel) FItems.erase(FItems.begin());
  auto item = std::make_unique<TUndoRedoItem>();
  item->FCol = aCol;
  item->FRow = aRow;
  item->FValue = newValue;
  item->FOrigValue = oldValue;
  FItems.push_back(std::move(item));
  FLevel = Count();
}

void TQrvGridUndoRedo::AddMarker(bool start) {
  auto item = std::make_unique<TUndoRedoItem>();
  item->FSequenceStart = start;
  item->FSequenceStop = !start;
  FItems.push_back(std::move(item));
  FLevel = Count();
}

void TQrvGridUndoRedo::StartSequence() {
  AddMarker(true);
}

void TQrvGridUndoRedo::StopSequence() {
  AddMarker(false);
}

void TQrvGridUndoRedo::MakeCurrent(const TUndoRedoItem& item) {
  const int32_t c = FGrid->DisplColIndex(item.Col());
  const int32_t r = item.Row();
  if (c >= 0 && c < FGrid->ColCount() && r >= 0 && r < FGrid->RowCount()) FGrid->MoveCurrent(c, r, true, true);
}

void TQrvGridUndoRedo::RestoreForUndo(const TUndoRedoItem& item) {
  if (OnUndo) OnUndo(this, FGrid, item.Col(), item.Row(), FGrid->Cells(item.Col(), item.Row()), item.OrigValue());
  FGrid->SetCells(item.Col(), item.Row(), item.OrigValue());
  MakeCurrent(item);
}

void TQrvGridUndoRedo::RestoreForRedo(const TUndoRedoItem& item) {
  if (OnRedo) OnRedo(this, FGrid, item.Col(), item.Row(), FGrid->Cells(item.Col(), item.Row()), item.Value());
  FGrid->SetCells(item.Col(), item.Row(), item.Value());
  MakeCurrent(item);
}

void TQrvGridUndoRedo::Undo() {
  if (!FGrid || FLevel == 0 || FLevel > Count()) return;
  const TUndoRedoItem& e = *FItems[FLevel - 1];
  if (e.SequenceStop()) {
    --FLevel;
    while (FLevel > 0 && !FItems[FLevel - 1]->SequenceStart()) {
      RestoreForUndo(*FItems[FLevel - 1]);
      --FLevel;
    }
    // A start marker trimmed away by MaxLevel leaves the walk at the oldest entry.
    if (FLevel > 0) --FLevel;
    FGrid->Invalidate();
  } else {
    RestoreForUndo(e);
    FGrid->RepaintCell(FGrid->Col(), e.Row());
    --FLevel;
  }
}

void TQrvGridUndoRedo::Redo() {
  if (!FGrid || FLevel >= Count()) return;
  const TUndoRedoItem& e = *FItems[FLevel];
  ++FLevel;
  if (e.SequenceStart()) {
    ++FLevel;
    while (FLevel <= Count() && !FItems[FLevel - 1]->SequenceStop()) {
      RestoreForRedo(*FItems[FLevel - 1]);
      ++FLevel;
    }
    if (FLevel > Count()) FLevel = Count();
    FGrid->Invalidate();
  } else {
    RestoreForRedo(e);
  }
}

void TQrvGridUndoRedo::Reset() {
  FItems.clear();
  FLevel = 0;
}
