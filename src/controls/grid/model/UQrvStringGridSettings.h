#pragma once
// The advanced string grid's plain settings: fields the grid reads where it needs them, with nothing to run on a
// change. The grid derives from this struct, so they read and write as grid.X.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "UBaseGrid.h"
#include "UCellNode.h"
#include "UChangeNotice.h"
#include "UEditorType.h"
#include "UGridAutoSize.h"
#include "UGridColumnTypes.h"
#include "UGridDropDownEditors.h"
#include "UGridItem.h"
#include "UGridLists.h"
#include "UGridLooks.h"
#include "UGridOptions.h"
#include "UGridSearch.h"
#include "UGridWindowRequests.h"
#include "UGuardedRef.h"

class TQrvStringGridCheck;
class TMarkupImageList;
class TPictureContainer;
class TPopupMenu;

enum TFilterDropDownColumns { fdNormal, fdAll };

enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
// Where the hint of a cell too small for its text shows: over the cell, or where the cursor put it.
enum THintPos { hpCell, hpCursor };

struct TQrvStringGridSettings {
  // Loaded, and switching it on, size every column to its content.
  TNotifying<bool> AutoSize{false};
  // Writing it (either value) turns on the spreadsheet-like selection and editing.
  TNotifying<bool, true> SpreadSheet{false};

  QString CheckTrue = QStringLiteral("Y");
  QString CheckFalse = QStringLiteral("N");
  QString FloatFormat = QStringLiteral("%.2f");
  QChar PasswordChar = QLatin1Char('*');
  QChar Delimiter = QChar(0);
  bool JavaCSV = false;
  QString XMLEncoding = QStringLiteral("ISO-8859-1");
  QString FilterDropDownClear = QStringLiteral("(All)");
  bool FilterDropDownAuto = false;
  TFilterDropDownColumns FilterDropDownColumns = fdNormal;
  // The values the filter drop-down of a column offers (GetColumnFilter fills it).
  QStringList FilterList;
  TEditorType DefaultEditor = edNormal;
  bool ClearTextOnly = false;
  bool SaveHiddenCells = false;
  bool SaveFixedCells = true;
  bool SaveFixedRows = false;
  bool SaveFixedCols = false;
  bool SaveVirtCells = true;
  bool SaveWithHTML = true;
  bool EditWithTags = false;
  bool ActiveCellShow = false;
  TColor ActiveCellColor = 0x808080;
  TColor ActiveCellColorTo = clNone;
  TFont ActiveCellFont;
  TFont FixedFont;
  TColor DisabledFontColor = 0xC0C0C0;
  bool UseDisabledFont = true;
  TPoint XYOffset{2, 2};
  TColor HintColor = clInfoBk;
  // The look settings below act when written (the grid wires their reactions; UQrvStringGrid_LookSetters.cpp).
  TNotifying<TColor> HighlightColor{clHighlight};
  TNotifying<TColor> HighlightTextColor{clHighlightText};
  TNotifying<TColor> SelectionColor{0xEACAB6};
  TNotifying<TColor> SelectionColorTo{clNone};
  TNotifying<TColor> SelectionMirrorColor{clNone};
  TNotifying<TColor> SelectionMirrorColorTo{clNone};
  TNotifying<TColor> SelectionTextColor{0};
  TNotifying<TColor> URLColor{0xFF0000};
  TNotifying<TColor> BorderColor{0xB99D7F};
  // The drop-position arrows of a column or row move; the window's four arrows take it on every change.
  TNotifying<TColor> ArrowColor{clLime};
  int32_t MinRowHeight = 0;
  int32_t MaxRowHeight = 0;
  int32_t MinColWidth = 0;
  int32_t MaxColWidth = 0;
  int32_t GroupColumn = -1;
  bool EnableWheel = true;
  bool EnableHTML = true;
  bool QuoteEmptyCells = true;
  bool AlwaysQuotes = false;
  bool ShowNullDates = true;
  bool FilterIncremental = false;
  bool AutoFilterUpdate = true;
  bool ShowDesignHelper = true;
  bool EnhRowColMove = true;
  bool FitCellsInGrid = true;
  bool FilterNormalCellsOnly = true;
  int32_t SelectionColorMixerFactor = 50;
  QString IncrSearchText;
  int32_t ZoomFactor = 0;

  TCellControlLook ControlLook;
  // The drop-down editors the editor code created and registered; the looks, styles and tones reach each.
  TGridDropDownEditors DropDownEditors;
  // Where added check boxes and radio buttons sit vertically.
  TNotifying<TVAlignment> VAlignment{vtaTop};

  bool SizeGrowOnly = false;
  bool XYOffsetTopLeftOnly = false;
  int32_t AutoNumberStart = 0;
  int32_t AutoNumberOffset = 0;
  TSortDirection AutoNumberDirection = sdAscending;
  TScrollStyle ScrollBars = ssBoth;
  TBorderStyle BorderStyle = bsSingle;
  bool Ctl3D = true;
  // The system's vertical scroll bar width; the widget reports its own.
  int32_t VScrollBarWidth = 17;

  int32_t Swaps = 0;
  int32_t SortRow = 0;

  bool SaveWithRTF = false;

  QStringList LookupItems;

  bool ExcelClipboardFormat = false;
  bool Multilinecells = false;
  // Part of the drag settings: the dragged text spans every column while whole rows are selected.
  bool OleEntireRows = false;

  TNotifying<bool> SelectionRectangle{false};
  // Fixed cells press in like buttons under the mouse (with both fixed grid lines and a 3-D look).
  bool FixedAsButtons = false;

  bool AlwaysValidate = false;
  QString InvalidEntryTitle;
  QString InvalidEntryText;

  TGuardedRef<TQrvStringGridCheck> CellChecker;
  bool Lookup = false;
  bool LookupCaseSensitive = false;
  bool LookupHistory = false;
  QString ValidChars;
  bool ExcelStyleDecimalSeparator = false;

  QString EditMask;

  // The spin editor's range and step for the next opening (the column grid copies its column's).
  int32_t SpinMin = 0;
  int32_t SpinMax = 100;
  int32_t SpinStep = 1;

  TFixedGradient VyxGradient{clWhite, clBtnFace, clNone, clNone, clNone};  // the border is unused

  TFixedGradient VyxGradientHover{0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF, 0xC0C0C0};
  TFixedGradient VyxGradientDown{0x868788, 0x737C7E, 0x737C7E, 0x627376, 0x808080};
  TColor FixedColor = clBtnFace;
  TNotifying<bool> Flat{false};

  TNotifying<bool> SelectionColorMixer{false};

  bool AutoNumAlign = false;
  bool HideFocusRect = false;
  bool NoDefaultDraw = false;
  bool NoImageAndText = false;
  bool EnhTextSize = false;
  TNotifying<bool> URLShow{false};
  // A right press on a link text opens it in the editor.
  bool URLEdit = false;
  TNotifying<bool> URLFull{false};
  // Links of markup cells are underlined only while the mouse is over them.
  bool URLUnderlineOnHover = false;
  // A link's title (or the link) is the hint over it; OnAnchorHint may give it.
  bool AnchorHint = false;
  // A selected rich-text cell keeps its own colours instead of taking SelectionTextColor.
  bool SelectionRTFKeep = false;
  TColor SelectionRectangleColor = 0x000000;
  TNotifying<bool> SelectionResizer{false};
  // The grid window grows and shrinks with its form (the window it sits in).
  bool SizeWithForm = false;
  THoverFixedCells HoverFixedCells = hfNone;
  // The menu the drop-down button of a hovered header cell opens (ControlLook.FixedDropDownButton).
  TGuardedRef<TPopupMenu> FixedDropDownMenu;
  // The fixed cell under the mouse and whether a mouse button is down (the mouse handling keeps them).
  TPoint HoverFixedCell{-1, -1};
  bool MouseDown = false;
  TBackGround BackGround;
  TGridProgressAppearance ProgressAppearance;
  // The picture shown in the fixed column of the current row; the filter glyphs of the filter drop-down row.
  TBitmap RowIndicator;
  int32_t FilterDropDownRow = 0;
  TBitmap FilterGlyph, FilterGlyphActive;
  // Columns whose filter holds a condition (the active glyph is shown for them).
  std::vector<int32_t> FilteredColumns;
  bool EnableBlink = false;

  // Hovering: the normal cell resting under the mouse becomes current at the next timer tick.
  bool Hovering = false;

  bool HintShowCells = false;
  bool HTMLHint = false;
  bool HintShowSizing = false;
  // A cell whose text does not fit shows it whole as its hint.
  bool HintShowLargeText = false;
  THintPos HintShowLargeTextPos = hpCell;

  struct TSortSettings {
    bool Show = false;
    int32_t Row = 0;
    int32_t Column = -1;
    TSortDirection Direction = sdAscending;
    TSortDirection InitSortDirection = sdAscending;
    bool UndoSort = false;
    // A header-click sort splits the merged cells first and merges the listed merged columns again after.
    bool AutoColumnMerge = false;
    // A sort exchanges only the cells of the sort column.
    bool SingleColumn = false;
    // The indicator and the header fill also in a fixed sort column.
    bool FixedCols = false;
    // Pictures in place of the drawn arrows (both must be set).
    TBitmap UpGlyph, DownGlyph;
    // Header clicks build a list of sort columns (Indexes); each one's header shows its direction and its place.
    bool IndexShow = false;
    TIndexSortKey IndexSortKey = ikShift;
    TColor IndexColor = 0x0000FFFF;
    // In place of the index triangles, named after the triangle each replaces (both must be set).
    TBitmap IndexUpGlyph, IndexDownGlyph;
    // The sort columns in order of precedence (the grid's SortIndexes).
    TSortIndexList Indexes;
    // The fill of the sort column's header (clNone: none), as a two-part mirror gradient.
    TColor HeaderColor = clNone, HeaderColorTo = clNone, HeaderMirrorColor = clNone, HeaderMirrorColorTo = clNone;
    void SetHeaderColors(const std::array<TColor, 4>& colors) {
      std::tie(HeaderColor, HeaderColorTo, HeaderMirrorColor, HeaderMirrorColorTo) =
          std::tie(colors[0], colors[1], colors[2], colors[3]);
    }
  } SortSettings;
  struct TDragDropSettings {
    bool OleDropTarget = false;
    bool OleDropSource = false;
    bool OleColumnDragDrop = false;
    bool OleColumnsOnly = false;
    bool OleColumnReorder = false;
    bool OleCopyAlways = false;
    bool OleRemoveRows = false;
    bool OleAcceptText = true;
    bool OleAcceptFiles = true;
    bool OleAcceptURLs = true;
    // Rich text in drags is one switch for the whole process: every write, from whichever grid, sets it.
    TNotifying<bool, true> OleDropRTF{false};
    // A see-through picture of the dragged cells follows the mouse.
    bool ShowCells = false;
  } DragDropSettings;
  // The wheel and zoom, the scroll hint, panning; scrolling while a drag hovers near the edges.
  bool IntelliZoom = true;
  int32_t WheelScrollLines = 3;
  TScrollHintType ScrollHints = shNone;
  // The view follows a dragged scroll thumb at once; otherwise it moves when the thumb is let go.
  bool ScrollSynch = false;
  TIntelliPan IntelliPan = ipVertical;
  struct TDragScrollOptions {
    bool Active = false;
    struct {
      int32_t InitialDelay = 1000;
      int32_t RepeatDelay = 250;
    } Delays;
    struct {
      int32_t TopMargin = 50;
      int32_t BottomMargin = 50;
      int32_t LeftMargin = 50;
      int32_t RightMargin = 50;
    } Margins;
  } DragScrollOptions;
  // Where the last find stopped and how it searched.
  TPoint SearchCell{-1, -1};
  TFindParams FindParams = 0;
  int32_t FindCol = 0;
  int32_t FindRow = 0;
  // The grid's image list (the caller's; none at creation, and none again once the caller destroys it).
  TGuardedRef<TMarkupImageList> GridImages;
  // The named pictures markup cells show (the caller's; none at creation).
  TPictureContainer* PictureContainer = nullptr;
  // The active application-wide style as the grid reads it; empty while application styles are off.
  std::optional<TGridAppStyle> AppStyle;
  static constexpr int32_t PrintColumnSlots = 512;
  // Column widths and offsets on paper, filled by printing.
  std::array<int32_t, PrintColumnSlots> MaxWidths{};
  std::array<int32_t, PrintColumnSlots> Indents{};
};
