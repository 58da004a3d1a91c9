#pragma once
// The grid's column-size settings (saving widths, stretching, which rows auto-sizing measures) and the
// grow-while-typing switches. Both only store; the grid acts on them.
#include <QString>
#include <cstdint>
#include <functional>

#include "UGridOptions.h"

enum TColumnSizeLocation : uint8_t { clRegistry, clIniFile };
enum TAutoSizeRows : uint8_t { arAll, arNormal, arFixed };

// Getter Name() and setter SetName(value) over the field FValues.Name.
#define TARN_COLUMN_SIZE_PROPERTY(Type, Name) \
  Type Name() const {                         \
    return FValues.Name;                      \
  }                                           \
  void Set##Name(Type Value) {                \
    FValues.Name = Value;                     \
  }

class TColumnSize : public TGridPersistent {
 public:
  explicit TColumnSize(TStringGrid* AOwner) : FOwner(AOwner) {}
  TStringGrid* Owner() const { return FOwner; }
  // Copies every setting but the owner; another class is ignored.
  void Assign(const TGridPersistent* Source) override {
    if (auto* source = dynamic_cast<const TColumnSize*>(Source)) FValues = source->FValues;
  }

  bool Stretch() const { return FValues.Stretch; }
  // Stores, then lets the grid stretch its stretch column at once (the grid binds OnStretch).
  void SetStretch(bool Value) {
    FValues.Stretch = Value;
    if (OnStretch) OnStretch(this);
  }
  TARN_COLUMN_SIZE_PROPERTY(bool, Save)
  TARN_COLUMN_SIZE_PROPERTY(QString, Key)
  TARN_COLUMN_SIZE_PROPERTY(QString, Section)
  TARN_COLUMN_SIZE_PROPERTY(int32_t, StretchColumn)
  TARN_COLUMN_SIZE_PROPERTY(bool, SynchWithGrid)
  TARN_COLUMN_SIZE_PROPERTY(bool, SynchNormalCellsOnly)
  TARN_COLUMN_SIZE_PROPERTY(TColumnSizeLocation, Location)
  TARN_COLUMN_SIZE_PROPERTY(TAutoSizeRows, Rows)

  TGridNotifyEvent OnStretch;

 private:
  TStringGrid* FOwner;
  struct {
    bool Save = false;
    QString Key;
    QString Section;
    bool Stretch = false;
    int32_t StretchColumn = -1;
    bool SynchWithGrid = false;
    bool SynchNormalCellsOnly = false;
    TColumnSizeLocation Location = clRegistry;
    TAutoSizeRows Rows = arAll;
  } FValues;
};

#undef TARN_COLUMN_SIZE_PROPERTY

struct TSizeWhileTyping {
  bool Height = false;
  bool Width = false;
};
