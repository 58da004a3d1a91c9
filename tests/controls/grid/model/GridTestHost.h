#pragma once
// Test helpers: a window stand-in that records what the grid asks of it, and a filled grid.
#include <QString>
#include <functional>
#include <vector>

#include "UGridEditors.h"
#include "UGridError.h"
#include "UGridHost.h"
#include "UQrvStringGrid.h"

class TRecordingHost : public IGridHost {
 public:
  void InvalidateAll() override { ++AllRepaints; }
  void InvalidateRect(const TRect& rect, bool) override { Rects.push_back(rect); }
  void SetRedraw(bool on) override { RedrawOn = on; }
  bool IsShowing() const override { return Showing; }
  void GeometryChanged() override {}
  void SetScreenCursor(int32_t cursor) override { Cursors.push_back(cursor); }
  bool HasFocus() const override { return Focus; }

  // Whether some repainted rectangle covers the whole of the given one.
  bool Covered(const TRect& area) const {
    for (const TRect& rect : Rects)
      if (rect.Left <= area.Left && rect.Right >= area.Right && rect.Top <= area.Top && rect.Bottom >= area.Bottom)
        return true;
    return false;
  }

  int AllRepaints = 0;
  std::vector<int32_t> Cursors;
  std::vector<TRect> Rects;
  bool RedrawOn = true;
  bool Showing = true;
  bool Focus = false;
};

// Stands in for the editor controls: records the text editors and the fixed-cell editors the grid opens; every
// special editor is answered as "none here".
class TRecordingEditors : public IGridEditors {
 public:
  void ShowTextEditor(TEditorType kind) override {
    Shown.push_back(kind);
    FShowing = true;
  }
  bool TextEditorShowing() const override { return FShowing; }
  QString TextEditorText() const override { return {}; }
  void HideTextEditor() override { FShowing = false; }
  bool ShowSpecialEditor(TEditorType, const TEditorPlace&) override { return false; }
  TEditorValue CommitSpecialEditor(TEditorType) override { return {}; }
  void PostStartChar(QChar) override {}
  void ShowBalloon(const QString&, const QString&, int32_t) override {}
  void FocusGrid() override {}
  void PostEditDone(int32_t, int32_t) override {}
  bool ShowFixedEditor(TGridFixedCellEditor kind, int32_t realCol, int32_t row, const TRect& rect,
                       const QStringList& values) override {
    Opened.push_back({kind, realCol, row, rect, values});
    return true;
  }
  bool StopFixedEditor() override { return !KeepOpen; }

  struct TOpened {
    TGridFixedCellEditor Kind;
    int32_t Col, Row;
    TRect Rect;
    QStringList Values;
  };
  std::vector<TEditorType> Shown;
  std::vector<TOpened> Opened;
  // The open fixed-cell edit refuses to end (as validation would).
  bool KeepOpen = false;

 private:
  bool FShowing = false;
};

// Every cell of the grid (hidden columns too) holds "column:row".
inline QString Cell(int32_t c, int32_t r) {
  return QStringLiteral("%1:%2").arg(c).arg(r);
}
inline void Fill(TQrvStringGrid& grid) {
  for (int32_t r = 0; r < grid.RowCount(); ++r)
    for (int32_t c = 0; c < grid.TotalColCount(); ++c) grid.SetCells(c, r, Cell(c, r));
}

// The text of the grid error the call raises; "<no error>" when it raises none.
inline QString GridErrorText(const std::function<void()>& call) {
  try {
    call();
  } catch (const EQrvGridError& e) {
    return e.Message();
  }
  return QStringLiteral("<no error>");
}

// A grid of the given kind attached to a recording window of the given size.
template <typename TGrid = TQrvStringGrid>
struct THostedGrid {
  THostedGrid(int32_t cols, int32_t rows, int32_t width, int32_t height) {
    grid.SetColCount(cols);
    grid.SetRowCount(rows);
    grid.SetBounds(0, 0, width, height);
    grid.SetHost(&host);
  }
  ~THostedGrid() { grid.SetHost(nullptr); }
  TGrid grid;
  TRecordingHost host;
};
