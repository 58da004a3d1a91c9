#pragma once
// TGridView: the window of a grid. A scroll area over a grid model that scrolls in whole cells (the scroll bars
// stand for LeftCol and TopRow), paints the visible cells through the model's painting steps on a TCanvas over
// the viewport, and maps the toolkit's input onto the model's virtual steps in this one place: keys (as the
// desktop's key codes), mouse press (cell selection), mouse move (hover row), wheel (one cell step per notch).
// It holds the slot of the in-place editor, which it keeps over the current cell.
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

#include "UApplication.h"
#include "UArrowWindow.h"
#include "UBaseGrid.h"
#include "UDialogCode.h"
#include "UGridEditors.h"
#include "UGridHost.h"
#include "UQrvStringGrid.h"

using TQrvStringGrid_CellControlEditor = TQrvStringGrid::TCellControlEditor;

class QMimeData;
class TQrvStringGrid;
class TGridDropTarget;
class TFooterPanel;
class TSearchPanel;

// The posted end of an edit ("GridEditDone"): real column and row of the cell whose edit ended.
class TGridEditDoneEvent : public QEvent {
 public:
  TGridEditDoneEvent(int32_t realCol, int32_t row);
  static QEvent::Type EventType();
  int32_t RealCol;
  int32_t Row;
};

class THTMLHintWindow;
class TGridFocusWindow;
class TFlatScrollBars;
class TScrollControl;
class TBalloonWindow;
class THeaderDragButton;
class QLabel;

class TGridView : public TGuarded<QAbstractScrollArea>, public IGridHost, public TDialogCodeControl {
 public:
  // Shows `grid` (a plain base grid when none is given) and owns it.
  explicit TGridView(std::unique_ptr<TBaseGrid> grid = nullptr, QWidget* parent = nullptr);
  ~TGridView() override;

  TBaseGrid& Grid() { return *FGrid; }
  const TBaseGrid& Grid() const { return *FGrid; }

  // The in-place editor: shown over the current cell and moved with it; null for none. Not owned.
  void SetEditor(QWidget* editor);
  QWidget* Editor() const { return FEditor; }
  // The editor controls of an advanced grid, owned by the view and registered with its grid; null removes them.
  void SetEditors(std::unique_ptr<IGridEditors> editors);
  IGridEditors* Editors() const { return FEditors.get(); }

  // The toolkit's key as the desktop's key code (0 for keys the grid has no code for), and the modifier state.
  static uint16_t Key_Code(int qtKey);
  static TShiftState Shift_State(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);
  // The character a key press types, as the grid's character step takes it: Enter #13 (Ctrl+Enter #10), Esc #27,
  // Backspace #8, Tab #9, Ctrl+letter #1..#26; null for a key that types none.
  static QChar Key_Char(const QKeyEvent& e);
  // The window's keys the grid keeps: the arrows always, Tab only with goTabs; Enter and Esc go to the window's
  // default and cancel buttons first.
  uint32_t DialogCode(const QKeyEvent& key) const override;

  // An advanced grid takes the mouse itself (press, move, release, double click, drags); null for a base grid.
  TQrvStringGrid* AdvancedGrid() const { return FAdvanced; }
  // The text of the cell hint being shown; empty when none is.
  QString ShownHint() const;
  // Cell hints off (a shown one goes) and on again; middle-button panning keeps them off while it runs.
  void SetHintsOn(bool on);
  // The balloon window, while the grid's balloons are enabled (UGridView_Balloon.cpp).
  TBalloonWindow* BalloonWindow() const;
  // The grid's timer (every 500 ms): incremental search, hovering and blinking cells.
  const QTimer& GridTimer() const { return FGridTimer; }
  // The grid's drop target (null for a base grid); drops are taken while DragDropSettings.OleDropTarget is on.
  TGridDropTarget* DropTarget() const { return FDropTarget.get(); }
  // The strip of the grid's floating footer under the cells (null for a base grid); hidden while the footer is.
  TFooterPanel* FooterPanel() const { return FFooterPanel; }
  // The search strip over the bottom of the cells (null for a base grid); shown while SearchFooter.Visible is.
  TSearchPanel* SearchPanel() const { return FSearchPanel; }
  // The shared edit and combo over controls embedded in markup cells (null until first shown).
  QLineEdit* CellControlEdit() const { return FCtrlEdit; }
  QComboBox* CellControlCombo() const { return FCtrlCombo; }
  // Runs a drag out of the grid and answers the action it ended with; by default the toolkit's drag loop.
  std::function<Qt::DropAction(QMimeData* data, Qt::DropActions allowed)> RunDrag;
  // The picture the running drag shows (the cells with ShowCells, else a dragged column's header button) and the
  // point of it at the mouse; null when none.
  const QPixmap& DragImage() const { return FDragImage; }
  QPoint DragHotSpot() const { return FDragHotSpot; }
  // What a column (row) move shows with EnhRowColMove (UGridView_Moving.cpp): the header drag button (null until
  // first needed), the picture of the moved cells with ShowCells (null while none is moved) and the drop arrows.
  THeaderDragButton* MoveButton() const;
  QWidget* MoveForm() const;
  TArrowWindow* MoveArrow(TArrowDirection direction) const;
  void SetMoveArrowColor(TColor color) override;

  // IGridHost.
  void InvalidateAll() override;
  void InvalidateRect(const TRect& rect, bool erase) override;
  void SetRedraw(bool on) override;
  bool IsShowing() const override;
  void GeometryChanged() override;
  bool HasFocus() const override;
  bool IsEnabled() const override { return isEnabled(); }
  // Unknown numbers (the control's default among them) show the viewport's own cursor; 8000 .. 8008 are the
  // panning cursors.
  void SetScreenCursor(int32_t cursor) override;
  TPoint ScreenToClient(const TPoint& p) const override;
  void SetScrollBarShown(bool vertical, bool always, bool enabled) override;
  // The glow around the edited cell follows the window when it moves (UGridView_FocusFrame.cpp).
  void ShowFocusFrame(const QImage& glow, const TRect& frame) override;
  void HideFocusFrame() override;
  // Header and column menus (UGridView_PopupMenu.cpp).
  void PopupMenu(TPopupMenu* menu, int32_t tag, const TPoint& at) override;
  // Theme changes (UGridView_Theme.cpp): the shared theme notifier's and the desktop style's reach the grid.
  void WatchThemeChanges(bool on) override;
  // The glow's window while one has been made; null before.
  TGridFocusWindow* FocusFrameWindow() const;
  // Scroll bars (UGridView_ScrollBars.cpp): the flat ones, proportional positions and the owner-drawn ones.
  IFlatScrollBars* FlatScrollBars() override;
  void SetProportionalScroll(bool vertical, const TProportionalScroll& scroll) override;
  void HideScrollBar(bool vertical) override;
  void SetScrollControls(bool on) override;
  bool HasScrollControls() const override { return FScrollControls[0] != nullptr; }
  // The owner-drawn bars of ssMetro (vertical, horizontal); null while there are none.
  TScrollControl* ScrollControl(bool vertical) const { return FScrollControls[vertical ? 0 : 1]; }
  // The column or row a bar's value brings to the left or top (a proportional bar's 0 .. 127 spread over them).
  int32_t ScrollBarCell(bool vertical, int value) const;
  // Controls placed in cells and the live bar of a scroll-bar cell (UGridView_CellControls.cpp).
  void PlaceCellControls() override;
  void ShowCellScrollBar(const TRect& bar, int32_t position, int32_t maximum, int32_t page) override;
  void HideCellScrollBar() override;
  // The live bar of a scroll-bar cell; null until first shown.
  QScrollBar* CellScrollBar() const { return FCellBar; }

 protected:
  bool Guarded_Event(QEvent* e) override;
  bool viewportEvent(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dragLeaveEvent(QDragLeaveEvent* e) override;
  void dropEvent(QDropEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void Update_Scroll_Bars();
  // Whether a bar shows: ScrollBars, the grid hiding it, or keeping it shown always; else the view's own policy.
  void Apply_Bar_Policy(bool vertical);
  // The grid takes a bar's place (not while its thumb is dragged without ScrollSynch).
  void Follow_Bar(bool vertical, bool released);
  // An arrow or a page click on a proportional bar moves by cells, as on any other bar.
  void Step_Proportional_Bar(bool vertical, int action);
  // With the search strip shown the vertical bar's steps are taken here (false: the step is not one of them).
  bool Step_Around_Search_Panel(int action);
  // A scroll ending at the end of the rows goes on until the last row is clear of the search strip.
  void Clear_Search_Panel_At_End();
  void Place_Scroll_Controls();
  void Place_Editor();
  void Set_Hover_Row(int32_t row);
  void Update_Cursor(const QPoint& p);
  // With SizeWithForm the view grows and shrinks by as much as its form did (UGridView_Form.cpp).
  void Watch_Form();
  void Form_Resized(const QResizeEvent& e);
  void Theme_Changed();
  void Hide_Hint();
  void Show_Cell_Hint(const QPoint& p);
  // maxWidth above 0: the hint is laid out in at most that width.
  void Show_Hint(const TPoint& at, const QString& hint, int32_t maxWidth);
  static constexpr int32_t SizingHintWidth = 200;
  // Runs the drag-scroll timer as the grid answers: above 0 (re)start with that interval, 0 stop.
  void Drag_Scroll(int32_t interval);
  // The visible part of the cells as they are shown, 192 of 255 opaque.
  QPixmap Drag_Image(const TGridRect& cells);
  // Balloons: the window made and dropped as the grid asks, and armed or popped as the mouse moves.
  void Create_Balloon();
  void Destroy_Balloon();
  void Track_Balloon(const QPoint& p, bool popped);
  void Grid_Timer_Tick();
  // A grid drawing its own border gets a frame two pixels wide to draw it on; the frame comes back after.
  void Sync_Border();
  void Start_Drag();
  // The header drag button made on first use, with the header of display column c.
  THeaderDragButton& Header_Button(int32_t c);
  // The move's windows follow the grid's move preview: placed, shown, or hidden and freed when no move runs.
  void Sync_Move_Preview();
  // The drop target's settings follow the grid's drag settings at every drag entering.
  void Sync_Drop_Target();

  // The footer strip follows the footer's settings: shown with its height, under the viewport.
  void Sync_Footer();
  // A step on a cell's live bar, as the grid takes it.
  void Cell_Bar_Action(int action);
  void Show_Cell_Control(const TQrvStringGrid_CellControlEditor& editor);
  // Leaving the shared control writes its value back.
  void Finish_Cell_Control();
  // `w` is `owner` or one of its children at any depth, across the windows of pop-up lists.
  bool Inside_Grid(const QWidget* w) const;
  // The grid's OnEnter and OnExit follow the focus entering and leaving the view with its editors.
  void Focus_Changed(QWidget* old, QWidget* now);

  TQrvStringGrid* FAdvanced = nullptr;
  TFooterPanel* FFooterPanel = nullptr;
  TSearchPanel* FSearchPanel = nullptr;
  QPointer<THTMLHintWindow> FHintWindow;
  QPointer<TBalloonWindow> FBalloon;
  QPointer<TGridFocusWindow> FFocusFrame;
  // The top-level window the glow follows, watched for moves while the glow shows.
  QPointer<QWidget> FFocusFrameOwner;
  // The cell (display column, row) whose balloon has been shown; it shows again only after leaving the cell.
  TPoint FBalloonCell{-1, -1};
  QTimer FGridTimer;
  // The frame (style, line width) from before the grid's border took it.
  std::optional<std::pair<int, int>> FFrameBeforeBorder;
  QPointer<QLineEdit> FCtrlEdit;
  QPointer<QComboBox> FCtrlCombo;
  QPointer<QScrollBar> FCellBar;
  // The controls placed over cells at the last placement.
  std::vector<QPointer<QWidget>> FPlacedControls;
  QTimer* FDragScrollTimer = nullptr;
  QPixmap FDragImage;
  QPoint FDragHotSpot;
  QPointer<THeaderDragButton> FMoveButton;
  QPointer<QLabel> FMoveForm;
  std::array<QPointer<TArrowWindow>, 4> FMoveArrows;
  std::unique_ptr<TGridDropTarget> FDropTarget;

  std::unique_ptr<TBaseGrid> FGrid;
  std::unique_ptr<IGridEditors> FEditors;
  QPointer<QWidget> FEditor;
  QPointer<QWidget> FWatchedForm;
  // Wheel rotation not yet turned into a step (1/8 degree; 120 is one notch).
  int FWheelRest = 0;
  // Set while the scroll bars are brought in step with the grid, so their signals do not scroll it back.
  bool FSyncing = false;
  // While the grid decides a bar's policy (shown always, or hidden): the policy it had before (vertical,
  // horizontal).
  std::optional<Qt::ScrollBarPolicy> FPolicyBeforeGrid[2];
  bool FAlways[2] = {false, false};
  // Set again at every update of the bars: a bar with proportional positions, a bar the grid hid.
  bool FProportional[2] = {false, false};
  bool FHiddenByGrid[2] = {false, false};
  bool FBarsAgain = false;
  bool FHintsOn = true;
  std::unique_ptr<TFlatScrollBars> FFlatBars;
  TScrollControl* FScrollControls[2] = {nullptr, nullptr};
};
