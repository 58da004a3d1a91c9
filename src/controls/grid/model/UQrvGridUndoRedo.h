#pragma once
// The undo/redo history a grid can be attached to. The grid's editing and clipboard operations report each cell
// change, bracketing multi-cell changes in a sequence; Undo and Redo write the old or new texts back through the
// grid's Cells and make the changed cell current.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TBaseGrid;

class TUndoRedoItem {
 public:
  int32_t Row() const { return FRow; }
  int32_t Col() const { return FCol; }
  const QString& Value() const { return FValue; }
  const QString& OrigValue() const { return FOrigValue; }
  bool SequenceStart() const { return FSequenceStart; }
  bool SequenceStop() const { return FSequenceStop; }

 private:
  friend class TQrvGridUndoRedo;
  int32_t FRow = -1;
  int32_t FCol = -1;
  QString FValue;
  QString FOrigValue;
  bool FSequenceStart = false;
  bool FSequenceStop = false;
};

using TUndoRedoCollection = std::vector<std::unique_ptr<TUndoRedoItem>>;

class TQrvGridUndoRedo {
 public:
  TQrvGridUndoRedo() = default;
  virtual ~TQrvGridUndoRedo();
  TQrvGridUndoRedo(const TQrvGridUndoRedo&) = delete;
  TQrvGridUndoRedo& operator=(const TQrvGridUndoRedo&) = delete;

  const TUndoRedoCollection& Items() const { return FItems; }
  TBaseGrid* Grid() const { return FGrid; }
  // Set by the grid's UndoRedo write.
  void SetGrid(TBaseGrid* grid) { FGrid = grid; }
  // The grid tells its history when it goes away or attaches another one.
  void GridRemoved(TBaseGrid* grid);
  int32_t Level() const { return FLevel; }
  int32_t MaxLevel() const { return FMaxLevel; }
  void SetMaxLevel(int32_t value) { FMaxLevel = value; }

  virtual void RegisterChange(int32_t aCol, int32_t aRow, const QString& oldValue, const QString& newValue);
  virtual void StartSequence();
  virtual void StopSequence();

  void Undo();
  void Redo();
  void Reset();
  bool CanUndo() const { return FLevel > 0; }
  bool CanRedo() const { return FLevel < Count(); }

  // OnUndo / OnRedo(Sender, Grid, Col, Row, OrigValue, NewValue).
  using TQrvGridUndoRedoEvent =
      std::function<void(TQrvGridUndoRedo*, TBaseGrid*, int32_t, int32_t, const QString&, const QString&)>;
  TQrvGridUndoRedoEvent OnUndo;
  TQrvGridUndoRedoEvent OnRedo;

 private:
  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
  void AddMarker(bool start);
  void RestoreForUndo(const TUndoRedoItem& item);
  void RestoreForRedo(const TUndoRedoItem& item);
  void MakeCurrent(const TUndoRedoItem& item);

  TUndoRedoCollection FItems;
  TBaseGrid* FGrid = nullptr;
  int32_t FLevel = 0;
  int32_t FMaxLevel = 0;
};
