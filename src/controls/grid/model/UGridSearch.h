#pragma once
// Finding text in a grid's cells, and the search strip under the cells: the grid keeps what the strip shows and
// runs its actions, so both are the same with or without a window; the window only draws the strip and hands the
// user's input back.
#include <QString>
#include <cstdint>

#include "UCanvasTools.h"
#include "UTypes.h"

// One bit each; a search takes any combination.
enum TFindParameters : uint16_t {
  fnMatchCase = 1 << 0,
  fnMatchFull = 1 << 1,
  fnMatchRegular = 1 << 2,
  fnDirectionLeftRight = 1 << 3,
  fnMatchStart = 1 << 4,
  fnFindInCurrentRow = 1 << 5,
  fnFindInCurrentCol = 1 << 6,
  fnIncludeFixed = 1 << 7,
  fnAutoGoto = 1 << 8,
  fnIgnoreHTMLTags = 1 << 9,
  fnBackward = 1 << 10,
  fnIncludeHiddenColumns = 1 << 11,
  fnFindInPresetCol = 1 << 12,
  fnFindInPresetRow = 1 << 13,
  fnSelectedCells = 1 << 14,
  fnIncludeHiddenRows = 1 << 15,
};
using TFindParams = uint16_t;

// One control of the strip, in the strip's own pixels; a hidden one is 0 high.
struct TSearchPanelItem {
  bool Visible = true;
  bool Enabled = true;
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  QString Caption;
  // Shown only when not empty.
  QString Hint;
};

struct TSearchPanelState {
  bool Visible = false;
  // 32 while visible, else 0; the strip covers the bottom of the cells.
  int32_t Height = 0;
  TColor Color = 0xFFFFFF;
  TColor ColorTo = clBtnFace;
  TFont Font;
  bool FlatButtons = false;
  // The search edit: its text, and red while the text is found nowhere.
  QString Text;
  TColor EditColor = clWindow;
  // The highlight toggle and the match-case box.
  bool HighlightDown = false;
  bool MatchCase = false;
  TSearchPanelItem Close{true, true, 5, 7, 14, 14, {}, {}};
  TSearchPanelItem Edit{true, true, 25, 6, 110, 21, {}, {}};
  TSearchPanelItem FindNext{true, false, 140, 5, 90, 23, {}, {}};
  TSearchPanelItem FindPrev{true, false, 235, 5, 90, 23, {}, {}};
  TSearchPanelItem Highlight{true, false, 330, 5, 90, 23, {}, {}};
  TSearchPanelItem MatchCaseBox{true, true, 425, 8, 100, 18, {}, {}};
};
