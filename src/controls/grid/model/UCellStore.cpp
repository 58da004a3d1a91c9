#include "UCellStore.h"

#include <algorithm>

const QString TCellStore::EmptyText;

namespace {

template <class T>
void MoveElement(std::vector<T>& v, size_t from, size_t to) {
  if (from < to)
    std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
  else
    std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
}

// Moves element `from` of a sparse row to `to`, growing the row only as far as the move needs.
template <class T>
void MoveSparse(std::vector<T>& v, int32_t from, int32_t to) {
  const size_t need = static_cast<size_t>(std::max(from, to)) + 1;
  if (v.size() <= static_cast<size_t>(from) && v.size() <= static_cast<size_t>(to)) return;
  if (v.size() < need) v.resize(need);
  MoveElement(v, static_cast<size_t>(from), static_cast<size_t>(to));
}

template <class T>
void InsertSparse(std::vector<T>& v, int32_t at, int32_t count) {
  if (static_cast<size_t>(at) < v.size()) v.insert(v.begin() + at, static_cast<size_t>(count), T{});
}

template <class T>
void RemoveSparse(std::vector<T>& v, int32_t at, int32_t count) {
  if (static_cast<size_t>(at) >= v.size()) return;
  const size_t end = std::min(v.size(), static_cast<size_t>(at) + static_cast<size_t>(count));
  v.erase(v.begin() + at, v.begin() + static_cast<std::ptrdiff_t>(end));
}
}  // namespace

const QString& TCellStore::Text(int32_t c, int32_t r) const {
  if (c < 0 || r < 0 || static_cast<size_t>(r) >= FRows.size()) return EmptyText;
  const Row* row = FRows[r].get();
  return row && static_cast<size_t>(c) < row->Texts.size() ? row->Texts[c] : EmptyText;
}

TCellStore::Row* TCellStore::RowFor(int32_t r) {
  if (static_cast<size_t>(r) >= FRows.size()) FRows.resize(static_cast<size_t>(r) + 1);
  if (!FRows[r]) FRows[r] = std::make_unique<Row>();
  return FRows[r].get();
}

void TCellStore::SetText(int32_t c, int32_t r, const QString& value) {
  if (c < 0 || r < 0) return;
  if (value.isEmpty()) {
    // An empty text needs no room: clear it where it exists, grow nothing.
    if (static_cast<size_t>(r) < FRows.size() && FRows[r] && static_cast<size_t>(c) < FRows[r]->Texts.size())
      FRows[r]->Texts[c] = QString();
    return;
  }
  auto& texts = RowFor(r)->Texts;
  if (static_cast<size_t>(c) >= texts.size()) {
    // Exact growth: doubling would leave a third of every row's text list unused.
    const size_t need = static_cast<size_t>(c) + 1;
    if (texts.capacity() < need) texts.reserve(std::max(need, static_cast<size_t>(std::max(FWidthHint, 0))));
    texts.resize(need);
  }
  texts[c] = value;
}

TObject* TCellStore::Object(int32_t c, int32_t r) const {
  if (c < 0 || r < 0 || static_cast<size_t>(r) >= FRows.size()) return nullptr;
  const Row* row = FRows[r].get();
  return row && row->Objects && static_cast<size_t>(c) < row->Objects->size() ? (*row->Objects)[c] : nullptr;
}

void TCellStore::SetObject(int32_t c, int32_t r, TObject* value) {
  if (c < 0 || r < 0) return;
  if (!value) {
    if (static_cast<size_t>(r) < FRows.size() && FRows[r] && FRows[r]->Objects &&
        static_cast<size_t>(c) < FRows[r]->Objects->size())
      (*FRows[r]->Objects)[c] = nullptr;
    return;
  }
  auto& objects = RowFor(r)->Objects;
  if (!objects) objects = std::make_unique<std::vector<TObject*>>();
  if (static_cast<size_t>(c) >= objects->size()) objects->resize(static_cast<size_t>(c) + 1, nullptr);
  (*objects)[c] = value;
}

void TCellStore::InsertRows(int32_t at, int32_t count) {
  if (at < 0 || count <= 0 || static_cast<size_t>(at) >= FRows.size()) return;
  // Empty rows are null pointers: one shift of the rows below and nothing allocated.
  std::vector<RowPtr> fresh(static_cast<size_t>(count));
  FRows.insert(FRows.begin() + at, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
}

void TCellStore::RemoveRows(int32_t at, int32_t count) {
  if (at < 0 || count <= 0) return;
  RemoveSparse(FRows, at, count);
}

void TCellStore::MoveRow(int32_t from, int32_t to) {
  if (from < 0 || to < 0 || from == to) return;
  MoveSparse(FRows, from, to);
}

void TCellStore::InsertCols(int32_t at, int32_t count) {
  if (at < 0 || count <= 0) return;
  for (auto& row : FRows) {
    if (!row) continue;
    InsertSparse(row->Texts, at, count);
    if (row->Objects) InsertSparse(*row->Objects, at, count);
  }
}

void TCellStore::RemoveCols(int32_t at, int32_t count) {
  if (at < 0 || count <= 0) return;
  for (auto& row : FRows) {
    if (!row) continue;
    RemoveSparse(row->Texts, at, count);
    if (row->Objects) RemoveSparse(*row->Objects, at, count);
  }
}

void TCellStore::MoveCol(int32_t from, int32_t to) {
  if (from < 0 || to < 0 || from == to) return;
  for (auto& row : FRows) {
    if (!row) continue;
    MoveSparse(row->Texts, from, to);
    if (row->Objects) MoveSparse(*row->Objects, from, to);
  }
}

void TCellStore::ResetCell(int32_t c, int32_t r) {
  SetText(c, r, QString());
  SetObject(c, r, nullptr);
}

void TCellStore::Clear() {
  FRows.clear();
}

void TCellStore::RemoveRowList(const std::vector<int32_t>& rows) {
  size_t write = 0;
  size_t next = 0;
  for (size_t read = 0; read < FRows.size(); ++read) {
    if (next < rows.size() && static_cast<size_t>(rows[next]) == read) {
      ++next;
      continue;
    }
    if (write != read) FRows[write] = std::move(FRows[read]);
    ++write;
  }
  FRows.resize(write);
}

std::vector<TCellStore::RowPtr> TCellStore::TakeRows(int32_t at, int32_t count) {
  std::vector<RowPtr> taken(static_cast<size_t>(std::max(count, 0)));
  if (at < 0 || count <= 0) return taken;
  for (int32_t i = 0; i < count && static_cast<size_t>(at + i) < FRows.size(); ++i)
    taken[static_cast<size_t>(i)] = std::move(FRows[static_cast<size_t>(at + i)]);
  RemoveSparse(FRows, at, count);
  return taken;
}

void TCellStore::PutRows(int32_t at, std::vector<RowPtr>&& rows) {
  if (at < 0 || rows.empty()) return;
  if (FRows.size() < static_cast<size_t>(at)) FRows.resize(static_cast<size_t>(at));
  FRows.insert(FRows.begin() + at, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
}
