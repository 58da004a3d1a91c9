#pragma once
// The grid's two-dimensional cell store: per cell a text and one object slot, addressed (column, row) from 0.
// Sparse: a row holds only the columns up to its last written one, the object slots exist only in rows that had an
// object written, and a cell never written reads as an empty text and no object. The store does not follow the
// grid's counts: cells beyond them stay until a row or column operation moves or drops them. It owns no object.
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "UGridTypes.h"

class TCellStore {
 public:
  const QString& Text(int32_t c, int32_t r) const;
  // Text and object slot of a cell in one look-up (the read path of every cell, so inline).
  // A negative index turns into a huge unsigned one, so one comparison per axis refuses it with the indexes past
  // the end.
  const QString& Lookup(int32_t c, int32_t r, TObject*& object) const {
    object = nullptr;
    if (static_cast<size_t>(r) >= FRows.size()) return EmptyText;
    const Row* row = FRows[r].get();
    if (!row) return EmptyText;
    if (row->Objects && static_cast<size_t>(c) < row->Objects->size()) object = (*row->Objects)[c];
    return static_cast<size_t>(c) < row->Texts.size() ? row->Texts[c] : EmptyText;
  }
  void SetText(int32_t c, int32_t r, const QString& value);
  TObject* Object(int32_t c, int32_t r) const;
  void SetObject(int32_t c, int32_t r, TObject* value);

  // Rows and columns as a whole. Removing drops texts and slots; the caller frees what the slots own first.
  void InsertRows(int32_t at, int32_t count);
  void RemoveRows(int32_t at, int32_t count);
  void MoveRow(int32_t from, int32_t to);
  // Removes the listed rows (ascending, no duplicates) in one pass.
  void RemoveRowList(const std::vector<int32_t>& rows);
  // Takes rows [at, at + count) out of the store and puts them back elsewhere, objects and all.
  struct Row;
  using RowPtr = std::unique_ptr<Row>;
  std::vector<RowPtr> TakeRows(int32_t at, int32_t count);
  void PutRows(int32_t at, std::vector<RowPtr>&& rows);
  // Rows grow their text list to this many columns at once (the grid's column count), then cell by cell.
  void SetWidthHint(int32_t columns) { FWidthHint = columns; }
  void InsertCols(int32_t at, int32_t count);
  void RemoveCols(int32_t at, int32_t count);
  void MoveCol(int32_t from, int32_t to);
  // Empties a cell's text and slot without freeing anything.
  void ResetCell(int32_t c, int32_t r);
  void Clear();

  // Object slots a stored row has room for (0 for a row without objects).
  int32_t ObjectSlotCount(int32_t r) const {
    return r >= 0 && static_cast<size_t>(r) < FRows.size() && FRows[r] && FRows[r]->Objects
               ? static_cast<int32_t>(FRows[r]->Objects->size())
               : 0;
  }
  // Rows that hold anything (written rows and the empty rows before them).
  int32_t StoredRowCount() const { return static_cast<int32_t>(FRows.size()); }
  // Calls f(column, row, object) for every non-null slot.
  template <class F>
  void ForEachObject(F&& f) const {
    for (size_t r = 0; r < FRows.size(); ++r) {
      if (!FRows[r] || !FRows[r]->Objects) continue;
      const auto& objects = *FRows[r]->Objects;
      for (size_t c = 0; c < objects.size(); ++c)
        if (objects[c]) f(static_cast<int32_t>(c), static_cast<int32_t>(r), objects[c]);
    }
  }

  struct Row {
    std::vector<QString> Texts;
    std::unique_ptr<std::vector<TObject*>> Objects;
  };

 private:
  static const QString EmptyText;
  Row* RowFor(int32_t r);
  // A row never written is a null pointer: a fresh block of rows costs one pointer each.
  std::vector<RowPtr> FRows;
  int32_t FWidthHint = 0;
};
