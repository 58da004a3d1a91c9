#pragma once
// The advanced grid's settings holders: the search footer, navigation, mouse actions, grid synchronisation, row
// bands and the focus frame. Each only stores its values and tells its owning grid through OnChange (for the
// properties that change the grid's looks); what the grid does with a setting lives with the grid.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

#include "UCanvasTools.h"
#include "UTypes.h"

class TStringGrid;

// Common base, so that Assign can be handed any settings object: one of another class is ignored.
class TGridPersistent {
 public:
  virtual ~TGridPersistent() = default;
  virtual void Assign(const TGridPersistent* Source) = 0;
};

using TGridNotifyEvent = std::function<void(TGridPersistent* Sender)>;

// A property that is only stored: getter Name() and setter SetName(value) over the field FValues.Name.
#define TARN_GRID_PLAIN_PROPERTY(Type, Name) \
  Type Name() const {                        \
    return FValues.Name;                     \
  }                                          \
  void Set##Name(Type Value) {               \
    FValues.Name = Value;                    \
  }

enum TSearchDirection : uint8_t { sdTopBottom, sdLeftRight };

class TSearchFooter : public TGridPersistent {
 public:
  // The captions and hints get their texts only with InitDesign; otherwise they start empty.
  TSearchFooter(TStringGrid* AOwner, bool InitDesign);
  TStringGrid* Owner() const { return FOwner; }
  void Assign(const TGridPersistent* Source) override;

  bool Visible() const { return FValues.Visible; }
  void SetVisible(bool Value);
  TColor Color() const { return FValues.Color; }
  void SetColor(TColor Value);
  TColor ColorTo() const { return FValues.ColorTo; }
  void SetColorTo(TColor Value);
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& Value);
  bool AutoThemeAdapt() const { return FValues.AutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);

  const QString& FindPrevCaption() const { return FValues.FindPrevCaption; }
  void SetFindPrevCaption(const QString& Value);
  const QString& FindNextCaption() const { return FValues.FindNextCaption; }
  void SetFindNextCaption(const QString& Value);
  const QString& MatchCaseCaption() const { return FValues.MatchCaseCaption; }
  void SetMatchCaseCaption(const QString& Value);
  const QString& HighLightCaption() const { return FValues.HighLightCaption; }
  void SetHighLightCaption(const QString& Value);
  const QString& HintClose() const { return FValues.HintClose; }
  void SetHintClose(const QString& Value);
  const QString& HintFindNext() const { return FValues.HintFindNext; }
  void SetHintFindNext(const QString& Value);
  const QString& HintFindPrev() const { return FValues.HintFindPrev; }
  void SetHintFindPrev(const QString& Value);
  const QString& HintHighlight() const { return FValues.HintHighlight; }
  void SetHintHighlight(const QString& Value);

  bool ShowClose() const { return FValues.ShowClose; }
  void SetShowClose(bool Value);
  bool ShowFindNext() const { return FValues.ShowFindNext; }
  void SetShowFindNext(bool Value);
  bool ShowFindPrev() const { return FValues.ShowFindPrev; }
  void SetShowFindPrev(bool Value);
  bool ShowHighLight() const { return FValues.ShowHighLight; }
  void SetShowHighLight(bool Value);
  bool ShowMatchCase() const { return FValues.ShowMatchCase; }
  void SetShowMatchCase(bool Value);

  TARN_GRID_PLAIN_PROPERTY(bool, AlwaysHighLight)
  TARN_GRID_PLAIN_PROPERTY(bool, AutoSearch)
  TARN_GRID_PLAIN_PROPERTY(int32_t, SearchColumn)
  TARN_GRID_PLAIN_PROPERTY(bool, SearchActiveColumnOnly)
  TARN_GRID_PLAIN_PROPERTY(bool, SearchMatchStart)
  TARN_GRID_PLAIN_PROPERTY(bool, SearchFixedCells)
  TARN_GRID_PLAIN_PROPERTY(bool, SearchHiddenRows)
  TARN_GRID_PLAIN_PROPERTY(TSearchDirection, SearchDirection)
  const QString& LastSearch() const { return FValues.LastSearch; }
  void SetLastSearch(const QString& Value) { FValues.LastSearch = Value; }

  TGridNotifyEvent OnChange;

 private:
  struct TValues {
    bool Visible = false;
    TColor Color = 0xFFFFFF;
    TColor ColorTo = clBtnFace;
    bool AutoThemeAdapt = false;
    bool AlwaysHighLight = false;
    bool AutoSearch = true;
    int32_t SearchColumn = -1;
    bool SearchActiveColumnOnly = false;
    bool SearchMatchStart = false;
    bool SearchFixedCells = false;
    bool SearchHiddenRows = false;
    TSearchDirection SearchDirection = sdTopBottom;
    bool ShowClose = true;
    bool ShowFindNext = true;
    bool ShowFindPrev = true;
    bool ShowHighLight = true;
    bool ShowMatchCase = true;
    QString LastSearch;
    QString FindPrevCaption, FindNextCaption, MatchCaseCaption, HighLightCaption;
    QString HintClose, HintFindNext, HintFindPrev, HintHighlight;
  };
  void Changed();
  void Store(QString& Field, const QString& Value);
  void StoreIfChanged(bool& Field, bool Value);

  TStringGrid* FOwner;
  TValues FValues;
  TFont FFont;
};

enum TAdvanceDirection : uint8_t { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition : uint8_t { pInsertBefore, pInsertAfter };
enum TClipboardPasteAction : uint8_t { paReplace, paInsert };
enum TCursorAdvance : uint8_t { caDefault, caSnake, caLoop };
enum THomeEndAction : uint8_t { heFirstLastColumn, heFirstLastRow, heFirstLastCell };

class TNavigation : public TGridPersistent {
 public:
  TNavigation() = default;
  // Copies every setting but KeepScrollOnSort.
  void Assign(const TGridPersistent* Source) override;

  TAdvanceDirection AdvanceDirection() const { return FValues.AdvanceDirection; }
  void SetAdvanceDirection(TAdvanceDirection Value);
  bool AdvanceInsert() const { return FValues.AdvanceInsert; }
  void SetAdvanceInsert(bool Value);
  // Turning it on also turns on AdvanceOnEnter.
  bool AdvanceAuto() const { return FValues.AdvanceAuto; }
  void SetAdvanceAuto(bool Value);

  TARN_GRID_PLAIN_PROPERTY(bool, AllowInsertRow)
  TARN_GRID_PLAIN_PROPERTY(bool, AllowDeleteRow)
  TARN_GRID_PLAIN_PROPERTY(bool, AlwaysEdit)
  TARN_GRID_PLAIN_PROPERTY(bool, AdvanceOnEnter)
  TARN_GRID_PLAIN_PROPERTY(bool, AdvanceOnEnterLoop)
  TARN_GRID_PLAIN_PROPERTY(bool, AdvanceAutoEdit)
  TARN_GRID_PLAIN_PROPERTY(bool, AdvanceSkipReadOnlyCells)
  TARN_GRID_PLAIN_PROPERTY(bool, AutoGotoWhenSorted)
  TARN_GRID_PLAIN_PROPERTY(bool, AutoGotoIncremental)
  TARN_GRID_PLAIN_PROPERTY(bool, AutoComboDropSize)
  TARN_GRID_PLAIN_PROPERTY(bool, AllowClipboardShortCuts)
  TARN_GRID_PLAIN_PROPERTY(bool, AllowCtrlEnter)
  TARN_GRID_PLAIN_PROPERTY(bool, AllowSmartClipboard)
  TARN_GRID_PLAIN_PROPERTY(bool, AllowRTFClipboard)
  TARN_GRID_PLAIN_PROPERTY(bool, AllowFmtClipboard)
  TARN_GRID_PLAIN_PROPERTY(bool, AllowClipboardAlways)
  TARN_GRID_PLAIN_PROPERTY(bool, AllowClipboardRowGrow)
  TARN_GRID_PLAIN_PROPERTY(bool, AllowClipboardColGrow)
  TARN_GRID_PLAIN_PROPERTY(bool, AppendOnArrowDown)
  TARN_GRID_PLAIN_PROPERTY(bool, EditSelectAll)
  TARN_GRID_PLAIN_PROPERTY(TInsertPosition, InsertPosition)
  TARN_GRID_PLAIN_PROPERTY(TClipboardPasteAction, ClipboardPasteAction)
  TARN_GRID_PLAIN_PROPERTY(bool, ComboGetUpDown)
  TARN_GRID_PLAIN_PROPERTY(TCursorAdvance, CursorAdvance)
  TARN_GRID_PLAIN_PROPERTY(bool, CursorWalkEditor)
  TARN_GRID_PLAIN_PROPERTY(bool, CursorWalkAlwaysEdit)
  TARN_GRID_PLAIN_PROPERTY(bool, CursorMoveRows)
  TARN_GRID_PLAIN_PROPERTY(bool, MoveRowOnSort)
  TARN_GRID_PLAIN_PROPERTY(bool, KeepScrollOnSort)
  TARN_GRID_PLAIN_PROPERTY(bool, MoveScrollOnly)
  TARN_GRID_PLAIN_PROPERTY(bool, ImproveMaskSel)
  TARN_GRID_PLAIN_PROPERTY(bool, LeftRightRowSelect)
  TARN_GRID_PLAIN_PROPERTY(bool, CopyHTMLTagsToClipboard)
  TARN_GRID_PLAIN_PROPERTY(bool, KeepHorizScroll)
  TARN_GRID_PLAIN_PROPERTY(bool, LineFeedOnEnter)
  TARN_GRID_PLAIN_PROPERTY(THomeEndAction, HomeEndKey)
  TARN_GRID_PLAIN_PROPERTY(bool, SkipFixedCells)
  TARN_GRID_PLAIN_PROPERTY(bool, SkipDisabledRows)
  TARN_GRID_PLAIN_PROPERTY(bool, TabToNextAtEnd)
  TARN_GRID_PLAIN_PROPERTY(TAdvanceDirection, TabAdvanceDirection)

  TGridNotifyEvent OnChange;

 private:
  struct TValues {
    bool AllowInsertRow = false;
    bool AllowDeleteRow = false;
    bool AlwaysEdit = false;
    bool AdvanceOnEnter = false;
    bool AdvanceOnEnterLoop = true;
    bool AdvanceInsert = false;
    bool AdvanceAutoEdit = true;
    bool AdvanceSkipReadOnlyCells = true;
    bool AutoGotoWhenSorted = false;
    bool AutoGotoIncremental = false;
    bool AutoComboDropSize = false;
    TAdvanceDirection AdvanceDirection = adLeftRight;
    bool AllowClipboardShortCuts = false;
    bool AllowCtrlEnter = true;
    bool AllowSmartClipboard = false;
    bool AllowRTFClipboard = false;
    bool AllowFmtClipboard = false;
    bool AllowClipboardAlways = false;
    bool AllowClipboardRowGrow = true;
    bool AllowClipboardColGrow = true;
    bool AdvanceAuto = false;
    bool AppendOnArrowDown = false;
    bool EditSelectAll = true;
    TInsertPosition InsertPosition = pInsertBefore;
    TClipboardPasteAction ClipboardPasteAction = paReplace;
    bool ComboGetUpDown = true;
    TCursorAdvance CursorAdvance = caDefault;
    bool CursorWalkEditor = false;
    bool CursorWalkAlwaysEdit = true;
    bool CursorMoveRows = false;
    bool MoveRowOnSort = false;
    bool KeepScrollOnSort = false;
    bool MoveScrollOnly = false;
    bool ImproveMaskSel = false;
    bool LeftRightRowSelect = true;
    bool CopyHTMLTagsToClipboard = true;
    bool KeepHorizScroll = false;
    bool LineFeedOnEnter = false;
    THomeEndAction HomeEndKey = heFirstLastColumn;
    bool SkipFixedCells = true;
    bool SkipDisabledRows = true;
    bool TabToNextAtEnd = false;
    TAdvanceDirection TabAdvanceDirection = adLeftRight;
  };
  TValues FValues;
};

enum TGridFixedCellEdit : uint8_t { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor : uint8_t { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction : uint8_t { waMoveSelection, waScroll };

class TMouseActions : public TGridPersistent {
 public:
  explicit TMouseActions(TStringGrid* AOwner);
  TStringGrid* Owner() const { return FOwner; }
  // Copies every setting but SizeFixedRow, HotmailRowSelect, EditOnDblClickOnly and FixedComboValues.
  void Assign(const TGridPersistent* Source) override;

  // Also turns on DisjunctRowSelect and CheckAllCheck when set; the grid repaints (OnInvalidate).
  bool HotmailRowSelect() const { return FValues.HotmailRowSelect; }
  void SetHotmailRowSelect(bool Value);
  bool EditOnDblClickOnly() const { return FValues.EditOnDblClickOnly; }
  void SetEditOnDblClickOnly(bool Value);
  TWheelAction WheelAction() const { return FValues.WheelAction; }
  void SetWheelAction(TWheelAction Value);
  // The three disjunct selection modes exclude one another while the grid is being designed.
  bool DisjunctRowSelect() const { return FValues.DisjunctRowSelect; }
  void SetDisjunctRowSelect(bool Value);
  bool DisjunctColSelect() const { return FValues.DisjunctColSelect; }
  void SetDisjunctColSelect(bool Value);
  bool DisjunctCellSelect() const { return FValues.DisjunctCellSelect; }
  void SetDisjunctCellSelect(bool Value);
  // The same flag as DisjunctRowSelect, written without touching the other two.
  bool DisjunctRowSelectDirect() const { return FValues.DisjunctRowSelect; }
  void SetDisjunctRowSelectDirect(bool Value) { FValues.DisjunctRowSelect = Value; }
  const QStringList& FixedComboValues() const { return FFixedComboValues; }
  void SetFixedComboValues(const QStringList& Value) { FFixedComboValues = Value; }

  TARN_GRID_PLAIN_PROPERTY(bool, AllColumnSize)
  TARN_GRID_PLAIN_PROPERTY(bool, AllRowSize)
  TARN_GRID_PLAIN_PROPERTY(bool, AllSelect)
  TARN_GRID_PLAIN_PROPERTY(bool, AutoSizeColOnDblClick)
  TARN_GRID_PLAIN_PROPERTY(bool, CaretPositioning)
  TARN_GRID_PLAIN_PROPERTY(bool, CheckAllCheck)
  TARN_GRID_PLAIN_PROPERTY(bool, ColSelect)
  TARN_GRID_PLAIN_PROPERTY(bool, DirectComboClose)
  TARN_GRID_PLAIN_PROPERTY(bool, DirectComboDrop)
  TARN_GRID_PLAIN_PROPERTY(bool, DirectDateClose)
  TARN_GRID_PLAIN_PROPERTY(bool, DirectDateDrop)
  TARN_GRID_PLAIN_PROPERTY(bool, DirectEdit)
  TARN_GRID_PLAIN_PROPERTY(bool, DisjunctRowSelectNoCtrl)
  TARN_GRID_PLAIN_PROPERTY(TGridFixedCellEdit, FixedRowsEdit)
  TARN_GRID_PLAIN_PROPERTY(TGridFixedCellEdit, FixedColsEdit)
  TARN_GRID_PLAIN_PROPERTY(TGridFixedCellEditor, FixedRowsEditor)
  TARN_GRID_PLAIN_PROPERTY(TGridFixedCellEditor, FixedColsEditor)
  TARN_GRID_PLAIN_PROPERTY(bool, MoveRowOnNodeClick)
  TARN_GRID_PLAIN_PROPERTY(bool, NoAutoRangeScroll)
  TARN_GRID_PLAIN_PROPERTY(bool, NodeAllExpandContract)
  TARN_GRID_PLAIN_PROPERTY(bool, NoScrollOnPartialRow)
  TARN_GRID_PLAIN_PROPERTY(bool, PreciseCheckBoxCheck)
  TARN_GRID_PLAIN_PROPERTY(bool, PreciseNodeClick)
  TARN_GRID_PLAIN_PROPERTY(bool, RangeSelectAndEdit)
  TARN_GRID_PLAIN_PROPERTY(bool, RowSelect)
  TARN_GRID_PLAIN_PROPERTY(bool, RowSelectPersistent)
  TARN_GRID_PLAIN_PROPERTY(bool, SelectOnRightClick)
  TARN_GRID_PLAIN_PROPERTY(bool, SizeFixedCol)
  TARN_GRID_PLAIN_PROPERTY(bool, SizeFixedRow)
  TARN_GRID_PLAIN_PROPERTY(int32_t, WheelIncrement)

  TGridNotifyEvent OnChange;
  TGridNotifyEvent OnInvalidate;
  std::function<void(TGridPersistent* Sender, bool& IsDesigning)> OnIsDesigning;
  TGridNotifyEvent OnDisableEdit;

 private:
  struct TValues {
    bool AllColumnSize = false;
    bool AllRowSize = false;
    bool AllSelect = false;
    bool AutoSizeColOnDblClick = true;
    bool CaretPositioning = false;
    bool CheckAllCheck = false;
    bool ColSelect = false;
    bool DirectComboClose = false;
    bool DirectComboDrop = false;
    bool DirectDateClose = false;
    bool DirectDateDrop = false;
    bool DirectEdit = false;
    bool DisjunctRowSelect = false;
    bool DisjunctRowSelectNoCtrl = false;
    bool DisjunctColSelect = false;
    bool DisjunctCellSelect = false;
    bool EditOnDblClickOnly = false;
    TGridFixedCellEdit FixedRowsEdit = fceNone;
    TGridFixedCellEdit FixedColsEdit = fceNone;
    TGridFixedCellEditor FixedRowsEditor = fceEdit;
    TGridFixedCellEditor FixedColsEditor = fceEdit;
    bool HotmailRowSelect = false;
    bool MoveRowOnNodeClick = false;
    bool NoAutoRangeScroll = false;
    bool NodeAllExpandContract = false;
    bool NoScrollOnPartialRow = false;
    bool PreciseCheckBoxCheck = false;
    bool PreciseNodeClick = true;
    bool RangeSelectAndEdit = false;
    bool RowSelect = false;
    bool RowSelectPersistent = false;
    bool SelectOnRightClick = false;
    bool SizeFixedCol = false;
    bool SizeFixedRow = false;
    int32_t WheelIncrement = 0;
    TWheelAction WheelAction = waMoveSelection;
  };
  bool IsDesigning();
  // Sets one of the disjunct flags; while designing, setting it clears the other two.
  void SetDisjunct(bool& Field, bool Value);

  TStringGrid* FOwner;
  TValues FValues;
  QStringList FFixedComboValues;
};

// Which movements of the owning grid the partner grid follows.
class TSyncGrid : public TGridPersistent {
 public:
  explicit TSyncGrid(TStringGrid* AOwner) : FOwner(AOwner) {}
  TStringGrid* Owner() const { return FOwner; }
  void Assign(const TGridPersistent* Source) override;

  // The partner; a partner destroyed since it was named is no partner.
  TStringGrid* Grid() const;
  // A grid cannot follow itself: naming the owner keeps the partner it had.
  void SetGrid(TStringGrid* Value);
  TARN_GRID_PLAIN_PROPERTY(bool, ScrollHorizontal)
  TARN_GRID_PLAIN_PROPERTY(bool, ScrollVertical)
  TARN_GRID_PLAIN_PROPERTY(bool, SelectionRow)
  TARN_GRID_PLAIN_PROPERTY(bool, SelectionColumn)
  TARN_GRID_PLAIN_PROPERTY(bool, MoveRow)
  TARN_GRID_PLAIN_PROPERTY(bool, MoveColumn)

 private:
  struct TValues {
    bool ScrollHorizontal = false;
    bool ScrollVertical = false;
    bool SelectionRow = false;
    bool SelectionColumn = false;
    bool MoveRow = false;
    bool MoveColumn = false;
  };
  TStringGrid* FOwner;
  std::weak_ptr<TStringGrid* const> FGrid;
  TValues FValues;
};

// What a grid passes on to its sync partner.
enum class TSyncFollow { Cursor, Scroll, Column, Row };

// Alternating row colour bands: PrimaryLength rows in PrimaryColor, then SecondaryLength rows in SecondaryColor.
class TBands : public TGridPersistent {
 public:
  TBands() = default;
  void Assign(const TGridPersistent* Source) override;

  bool Active() const { return FActive; }
  void SetActive(bool Value);
  TColor PrimaryColor() const { return FPrimaryColor; }
  void SetPrimaryColor(TColor Value);
  TColor SecondaryColor() const { return FSecondaryColor; }
  void SetSecondaryColor(TColor Value);
  int32_t PrimaryLength() const { return FPrimaryLength; }
  void SetPrimaryLength(int32_t Value);
  int32_t SecondaryLength() const { return FSecondaryLength; }
  void SetSecondaryLength(int32_t Value);
  bool Print() const { return FPrint; }
  void SetPrint(bool Value) { FPrint = Value; }
  // PrimaryLength + SecondaryLength, held within the integer range.
  int32_t TotalLength() const { return FTotalLength; }

  TGridNotifyEvent OnChange;

 private:
  // The colours and lengths only repaint while the bands are shown.
  void ChangedWhileActive();
  void UpdateTotalLength();

  bool FActive = false;
  TColor FPrimaryColor = clInfoBk;
  TColor FSecondaryColor = clWindow;
  int32_t FPrimaryLength = 1;
  int32_t FSecondaryLength = 1;
  int32_t FTotalLength = 2;
  bool FPrint = false;
};

class TFocusHelper : public TGridPersistent {
 public:
  explicit TFocusHelper(TStringGrid* AOwner) : FOwner(AOwner) {}
  TStringGrid* Owner() const { return FOwner; }
  void Assign(const TGridPersistent* Source) override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }

 private:
  TStringGrid* FOwner;
  bool FEnabled = false;
};

#undef TARN_GRID_PLAIN_PROPERTY
