#include "UGridView.h"

#include <map>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QDrag>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include "UBalloonWindow.h"
#include "UCanvas.h"
#include "UControlEdit.h"
#include "UFlatScrollBar.h"
#include "UFooterPanel.h"
#include "UGridDragData.h"
#include "UGridDragFormats.h"
#include "UGridDropTarget.h"
#include "UGridFilterList.h"
#include "UGridModule.h"
#include "UGridPanCursors.h"
#include "UGridPanning.h"
#include "UGridScrollHint.h"
#include "UGridSelectCursors.h"
#include "UGridWindowTools.h"
#include "UHTMLHintWindow.h"
#include "UHeaderDragButton.h"
#include "UQrvStringGrid.h"
#include "USearchPanel.h"
#include "USysColors.h"
#include "UThemeNotifier.h"
#include "UValueText.h"
#include "UWidgetTree.h"

TGridView::TGridView(std::unique_ptr<TBaseGrid> grid, QWidget* parent)
    : TGuarded<QAbstractScrollArea>(parent), FGrid(grid ? std::move(grid) : std::make_unique<TBaseGrid>()) {
  // The bars are replaced before anything connects to them.
  FFlatBars = std::make_unique<TFlatScrollBars>(*this);
  FFlatBars->OnShowChanged = [this] {
    Apply_Bar_Policy(true);
    Apply_Bar_Policy(false);
  };
  for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
    connect(bar, &QScrollBar::sliderReleased, this,
            [this, bar] { Run_Guarded([&] { Follow_Bar(bar == verticalScrollBar(), true); }); });
    connect(bar, &QScrollBar::actionTriggered, this, [this, bar](int action) {
      Run_Guarded([&] {
        const bool vertical = bar == verticalScrollBar();
        if (!(vertical && Step_Around_Search_Panel(action))) Step_Proportional_Bar(vertical, action);
      });
    });
  }
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  // Every pixel is painted by the cells; the toolkit need not clear the viewport first.
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  FGrid->SetBounds(0, 0, viewport()->width(), viewport()->height());
  FGrid->SetHost(this);
  FAdvanced = dynamic_cast<TQrvStringGrid*>(FGrid.get());
  if (FAdvanced) {
    FAdvanced->OpenLink = [](const QString& link) { QDesktopServices::openUrl(QUrl(link, QUrl::StrictMode)); };
    FDropTarget = std::make_unique<TGridDropTarget>(*FAdvanced);
    FDropTarget->CellAt = [this](const TPoint& pt) {
      int32_t c = -1, r = -1;
      FAdvanced->MouseToCell(pt.X, pt.Y, c, r);
      return TPoint{c, r};
    };
    viewport()->setAcceptDrops(true);
    FFooterPanel = new TFooterPanel(*FAdvanced, this);
    FFooterPanel->hide();
    FFooterPanel->CreateWnd();
    FSearchPanel = new TSearchPanel(*FAdvanced, viewport());
    FAdvanced->FormKeyPreview = [this] { return ::FormKeyPreview(this); };
    FAdvanced->WheelScrollLines = QGuiApplication::styleHints()->wheelScrollLines();
    Install_Scroll_Hints(*this, *FAdvanced);
    Install_Panning(*this, *FAdvanced);
    FAdvanced->ShowCellControl = [this](const TQrvStringGrid::TCellControlEditor& e) { Show_Cell_Control(e); };
    FAdvanced->FinishCellControl = [this] { Finish_Cell_Control(); };
    TGridFilterList::Install(*this, *FAdvanced);
    FAdvanced->ReadClipboard = [] { return QGuiApplication::clipboard()->text(); };
    FAdvanced->WriteClipboard = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };
    // Posted, as the desktop hands a Tab to the parent: the grid's own step ends first.
    FAdvanced->TabToNextControl = [this](bool backward) {
      QMetaObject::invokeMethod(
          this, [this, backward] { focusNextPrevChild(!backward); }, Qt::QueuedConnection);
    };
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) { Focus_Changed(old, now); });
    FAdvanced->CreateBalloonWindow = [this] { Create_Balloon(); };
    FAdvanced->DestroyBalloonWindow = [this] { Destroy_Balloon(); };
    if (FAdvanced->Balloon.Enable()) FAdvanced->BalloonInit();
    if (FAdvanced->ColumnSize().Save()) FAdvanced->LoadColSizes();
    if (FAdvanced->AutoThemeAdapt()) WatchThemeChanges(true);
    FGridTimer.setInterval(500);
    connect(&FGridTimer, &QTimer::timeout, this, [this] { Run_Guarded([this] { Grid_Timer_Tick(); }); });
    FGridTimer.start();
    FAdvanced->CreateWndScrollBars();
  }
  RunDrag = [this](QMimeData* data, Qt::DropActions allowed) {
    auto* drag = new QDrag(viewport());
    drag->setMimeData(data);
    // The picture hangs at the cursor by its hot spot.
    if (!FDragImage.isNull()) {
      drag->setPixmap(FDragImage);
      drag->setHotSpot(FDragHotSpot);
    }
    return drag->exec(allowed, Qt::MoveAction);
  };
}

TGridView::~TGridView() {
  // Editors going with the view take the focus with them; that is no leaving of the grid for its owner to handle.
  disconnect(qApp, nullptr, this, nullptr);
  // The strip talks to the grid, which goes before the viewport's children do.
  delete FSearchPanel;
  if (FAdvanced) {
    FGridTimer.stop();
    FAdvanced->BalloonDone();
    FAdvanced->CreateBalloonWindow = nullptr;
    FAdvanced->DestroyBalloonWindow = nullptr;
  }
  SetEditors(nullptr);
  FDropTarget.reset();
  FGrid->SetHost(nullptr);
}

TGridEditDoneEvent::TGridEditDoneEvent(int32_t realCol, int32_t row)
    : QEvent(EventType()), RealCol(realCol), Row(row) {}

QEvent::Type TGridEditDoneEvent::EventType() {
  if (GridModule().GridEditDoneMessage == 0) Grid_Module_Start();
  return static_cast<QEvent::Type>(GridModule().GridEditDoneMessage);
}

void TGridView::SetEditors(std::unique_ptr<IGridEditors> editors) {
  auto* grid = dynamic_cast<TQrvStringGrid*>(FGrid.get());
  if (grid) grid->SetEditors(nullptr);
  FEditors = std::move(editors);
  if (grid) grid->SetEditors(FEditors.get());
}

bool TGridView::Guarded_Event(QEvent* e) {
  if (e->type() == QEvent::ParentChange) Watch_Form();
  if (e->type() == ThemeChangeEventType) {
    Theme_Changed();
    return true;
  }
  // With goTabs the grid steps through its cells on Tab; the toolkit would move the focus before the key arrives.
  if (e->type() == QEvent::KeyPress && (FGrid->Options() & goTabs)) {
    auto* k = static_cast<QKeyEvent*>(e);
    if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) &&
        !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      keyPressEvent(k);
      return true;
    }
  }
  if (e->type() == QEvent::Paint && FAdvanced) {
    // The grid's flat border goes over the frame the style drew.
    const bool painted = TGuarded<QAbstractScrollArea>::Guarded_Event(e);
    TCanvas canvas(this);
    const TColor parent = parentWidget() ? QColorToTColor(parentWidget()->palette().color(QPalette::Window)) : clNone;
    FAdvanced->PaintBorder(canvas, width(), height(), parent);
    return painted;
  }
  if (e->type() == TGridEditDoneEvent::EventType()) {
    const auto* done = static_cast<TGridEditDoneEvent*>(e);
    if (auto* grid = dynamic_cast<TQrvStringGrid*>(FGrid.get())) grid->GridEditDone(done->RealCol, done->Row);
    return true;
  }
  return TGuarded<QAbstractScrollArea>::Guarded_Event(e);
}

bool TGridView::Inside_Grid(const QWidget* w) const {
  // The in-place editors and the embedded controls live on the viewport; a combo's list is a window of its own,
  // still a child of its combo.
  return Widget_Within(w, this);
}

void TGridView::Focus_Changed(QWidget* old, QWidget* now) {
  // The grid is entered and left as a whole: moves between it and its own editors are neither.
  const bool was = Inside_Grid(old), is = Inside_Grid(now);
  if (!FAdvanced || was == is) return;
  Run_Guarded([&] { is ? FAdvanced->GridEnter() : FAdvanced->GridExit(); });
}

void TGridView::Show_Cell_Control(const TQrvStringGrid::TCellControlEditor& e) {
  const QRect bounds(e.Bounds.Left, e.Bounds.Top, e.Bounds.Right - e.Bounds.Left, e.Bounds.Bottom - e.Bounds.Top);
  QWidget* shown = nullptr;
  if (!e.Combo) {
    if (!FCtrlEdit) {
      FCtrlEdit = new TControlEdit(*FAdvanced, viewport());
      FCtrlEdit->installEventFilter(this);
    }
    FCtrlEdit->setEchoMode(e.PasswordChar.isNull() ? QLineEdit::Normal : QLineEdit::Password);
    FCtrlEdit->setMaxLength(e.MaxLength > 0 ? e.MaxLength : 32767);
    const QString fault = static_cast<TControlEdit*>(FCtrlEdit.data())->Load(e.Value, e.Mask);
    FCtrlEdit->setGeometry(bounds);
    if (!fault.isEmpty()) QToolTip::showText(FCtrlEdit->mapToGlobal(QPoint(0, bounds.height())), fault, FCtrlEdit);
    shown = FCtrlEdit;
  } else {
    if (!FCtrlCombo) {
      FCtrlCombo = new TControlCombo(*FAdvanced, viewport());
      FCtrlCombo->installEventFilter(this);
      connect(FCtrlCombo, &QComboBox::activated, this, [this](int index) {
        Run_Guarded([&] { FAdvanced->CellControlComboSelect(index, FCtrlCombo->itemText(index)); });
      });
    }
    FCtrlCombo->setEditable(e.ComboEditable);
    FCtrlCombo->clear();
    FCtrlCombo->addItems(e.Items);
    FCtrlCombo->setCurrentIndex(FCtrlCombo->findText(e.Value));
    if (e.ComboEditable) FCtrlCombo->setEditText(e.Value);
    FCtrlCombo->setMaxVisibleItems(std::max(1, e.DropCount));
    // A list-only combo has no edit part to limit; an editable one gets a fresh edit part at every opening.
    if (QLineEdit* edit = FCtrlCombo->lineEdit()) edit->setMaxLength(e.MaxLength > 0 ? e.MaxLength : 32767);
    FCtrlCombo->setGeometry(bounds.left(), bounds.top(), bounds.width(), FCtrlCombo->sizeHint().height());
    shown = FCtrlCombo;
  }
  shown->show();
  shown->raise();
  shown->setFocus(Qt::OtherFocusReason);
  // The combo opens with its list down, so that one click picks the value.
  if (shown == FCtrlCombo) FCtrlCombo->showPopup();
}

void TGridView::Finish_Cell_Control() {
  QWidget* shown = FCtrlEdit && FCtrlEdit->isVisible()     ? static_cast<QWidget*>(FCtrlEdit)
                   : FCtrlCombo && FCtrlCombo->isVisible() ? static_cast<QWidget*>(FCtrlCombo)
                                                           : nullptr;
  if (!shown) return;
  const QString value =
      shown == FCtrlEdit ? static_cast<TControlEdit*>(FCtrlEdit.data())->Value() : FCtrlCombo->currentText();
  // Hiding moves the focus, which calls here again: the grid takes the value once.
  shown->hide();
  FAdvanced->CellControlEditDone(value);
}

bool TGridView::eventFilter(QObject* watched, QEvent* e) {
  if (watched == FWatchedForm && e->type() == QEvent::Resize)
    Run_Guarded([&] { Form_Resized(*static_cast<QResizeEvent*>(e)); });
  if (e->type() == QEvent::Move && watched == FFocusFrameOwner && FAdvanced)
    Run_Guarded([&] { FAdvanced->PlaceFocusWindow(); });
  // The combo's own list taking the focus does not end the edit; the list is a window of its own, still a child of
  // the combo, and takes the focus as it opens with no popup reason given.
  if (e->type() == QEvent::FocusOut && (watched == FCtrlEdit || watched == FCtrlCombo) &&
      static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason &&
      !(watched == FCtrlCombo && Widget_Within(QApplication::focusWidget(), FCtrlCombo)))
    Run_Guarded([&] { Finish_Cell_Control(); });
  return TGuarded<QAbstractScrollArea>::eventFilter(watched, e);
}

void TGridView::SetEditor(QWidget* editor) {
  if (FEditor && FEditor != editor) FEditor->hide();
  FEditor = editor;
  if (editor) {
    editor->setParent(viewport());
    Place_Editor();
    editor->show();
  }
}

uint16_t TGridView::Key_Code(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left:
      return VK_LEFT;
    case Qt::Key_Right:
      return VK_RIGHT;
    case Qt::Key_Up:
      return VK_UP;
    case Qt::Key_Down:
      return VK_DOWN;
    case Qt::Key_Home:
      return VK_HOME;
    case Qt::Key_End:
      return VK_END;
    case Qt::Key_PageUp:
      return VK_PRIOR;
    case Qt::Key_PageDown:
      return VK_NEXT;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Escape:
      return VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return VK_TAB;
    case Qt::Key_Backspace:
      return VK_BACK;
    case Qt::Key_Space:
      return VK_SPACE;
    case Qt::Key_Insert:
      return VK_INSERT;
    case Qt::Key_Delete:
      return VK_DELETE;
    case Qt::Key_F2:
      return VK_F2;
    default:
      break;
  }
  // Letters and digits keep their code: the desktop's key codes for them are their upper-case characters.
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
    return static_cast<uint16_t>(qtKey);
  return 0;
}

TShiftState TGridView::Shift_State(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState state;
  if (modifiers & Qt::ShiftModifier) state |= ssShift;
  if (modifiers & Qt::ControlModifier) state |= ssCtrl;
  if (modifiers & Qt::AltModifier) state |= ssAlt;
  if (buttons & Qt::LeftButton) state |= ssLeft;
  if (buttons & Qt::RightButton) state |= ssRight;
  if (buttons & Qt::MiddleButton) state |= ssMiddle;
  return state;
}

void TGridView::InvalidateAll() {
  viewport()->update();
  Sync_Border();
  update();
  Sync_Footer();
}

void TGridView::Sync_Footer() {
  if (!FFooterPanel) return;
  const int32_t height = FAdvanced->FloatingFooterShown() ? std::max(0, FAdvanced->FloatingFooterHeight() - 1) : 0;
  if (height != viewportMargins().bottom()) setViewportMargins(0, 0, 0, height);
  const QRect v = viewport()->geometry();
  FFooterPanel->setGeometry(v.left(), v.bottom() + 1, v.width(), height);
  FFooterPanel->setVisible(height > 0);
  FFooterPanel->update();
}

void TGridView::InvalidateRect(const TRect& rect, bool) {
  viewport()->update(QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top));
}

void TGridView::SetRedraw(bool on) {
  viewport()->setUpdatesEnabled(on);
}

bool TGridView::IsShowing() const {
  return isVisible();
}

bool TGridView::HasFocus() const {
  return hasFocus() || (FEditor && FEditor->hasFocus());
}

void TGridView::GeometryChanged() {
  Update_Scroll_Bars();
  Place_Editor();
  if (FAdvanced) FAdvanced->CellControlsUpdate(false);
}

void TGridView::Place_Editor() {
  if (!FEditor) return;
  const TRect r = FGrid->CellRect(FGrid->Col(), FGrid->Row());
  FEditor->setGeometry(r.Left, r.Top, std::max(0, r.Right - r.Left), std::max(0, r.Bottom - r.Top));
}

bool TGridView::viewportEvent(QEvent* e) {
  // The scroll area hands the viewport's events to the handlers past event(), so they are guarded here.
  bool handled = true;
  Run_Guarded([&] {
    // A grid showing balloons gives its cells' tooltips as balloons rather than as hints; with hints off, none.
    if (e->type() == QEvent::ToolTip && FAdvanced && (FAdvanced->Balloon.Enable() || !FHintsOn)) return;
    if (e->type() == QEvent::ToolTip && FAdvanced) {
      Show_Cell_Hint(static_cast<QHelpEvent*>(e)->pos());
      return;
    }
    // Any cursor set on the cells, by the grid's own hover handling or by anyone else, is the control's cursor.
    if (e->type() == QEvent::CursorChange && FAdvanced) FAdvanced->CMCursorChanged();
    if (e->type() == QEvent::Leave) {
      Set_Hover_Row(-1);
      if (FAdvanced) FAdvanced->GridMouseLeave();
      if (FBalloon) FBalloon->Pop();
      FBalloonCell = {-1, -1};
    }
    handled = TGuarded<QAbstractScrollArea>::viewportEvent(e);
  });
  return handled;
}

void TGridView::paintEvent(QPaintEvent* e) {
  TCanvas canvas(viewport());
  const QRect area = e->rect();
  // The area right of the last column and below the last row first: the grid may paint its own background there.
  canvas.Brush().Color = FGrid->Color();
  canvas.Brush().Style = bsSolid;
  int32_t right = 0, bottom = 0;
  for (int32_t c = 0; c < FGrid->FixedCols(); ++c) right += FGrid->ColWidths(c);
  for (int32_t c = FGrid->LeftCol(); c < FGrid->ColCount() && right < viewport()->width(); ++c)
    right += FGrid->ColWidths(c);
  for (int32_t r = 0; r < FGrid->FixedRows(); ++r) bottom += FGrid->RowHeights(r);
  for (int32_t r = FGrid->TopRow(); r < FGrid->RowCount() && bottom < viewport()->height(); ++r)
    bottom += FGrid->RowHeights(r);
  if (right < viewport()->width()) canvas.FillRect(TRect{right, 0, viewport()->width(), viewport()->height()});
  if (bottom < viewport()->height()) canvas.FillRect(TRect{0, bottom, right, viewport()->height()});
  FGrid->Paint(canvas, TRect{area.left(), area.top(), area.right() + 1, area.bottom() + 1});
  // The edge being dragged, where the release would put it: dotted and inverted, so it shows over any colour.
  if (FAdvanced && FAdvanced->Interaction() == TQrvStringGrid::TGridInteraction::Sizing) {
    const int32_t at = FAdvanced->SizingEdge();
    FAdvanced->SizingColumns() ? FAdvanced->DrawColSizingLine(canvas, at) : FAdvanced->DrawRowSizingLine(canvas, at);
  }
  if (!FAdvanced) return;
  // The mark where panning started, over the cells until panning ends.
  if (FAdvanced->Panning())
    canvas.DrawImage(FAdvanced->PanOrigin().X, FAdvanced->PanOrigin().Y, Pan_Origin_Icon(FAdvanced->IntelliPan));
  FAdvanced->UpdateVertProportionalScroll();
  FAdvanced->UpdateHorzProportionalScroll();
}

void TGridView::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  Watch_Form();
  Sync_Border();
  FGrid->SetBounds(0, 0, viewport()->width(), viewport()->height());
  Sync_Footer();
  Place_Scroll_Controls();
  if (FAdvanced) FAdvanced->Resize();
}

void TGridView::changeEvent(QEvent* e) {
  TGuarded<QAbstractScrollArea>::changeEvent(e);
  if (e->type() == QEvent::EnabledChange && FAdvanced) FAdvanced->CMEnabledChanged();
  if (e->type() == QEvent::StyleChange || e->type() == QEvent::ThemeChange) Theme_Changed();
}

QChar TGridView::Key_Char(const QKeyEvent& e) {
  const Qt::KeyboardModifiers m = e.modifiers();
  switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return QChar(m & Qt::ControlModifier ? 10 : 13);
    case Qt::Key_Escape:
      return QChar(27);
    case Qt::Key_Backspace:
      return QChar(8);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return QChar(9);
    default:
      break;
  }
  if ((m & Qt::ControlModifier) && !(m & Qt::AltModifier)) {
    if (e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z) return QChar(e.key() - Qt::Key_A + 1);
    return {};
  }
  // Delete brings the character 127 as its text, and some keys other control characters: none of them is typed.
  const QString text = e.text();
  return text.size() == 1 && text[0].category() != QChar::Other_Control ? text[0] : QChar();
}

uint32_t TGridView::DialogCode(const QKeyEvent&) const {
  return DLGC_WANTARROWS | DLGC_WANTCHARS | (FGrid->Options() & goTabs ? DLGC_WANTTAB : 0);
}

// One key press: the key-down step, then the character it types, as the desktop delivers them. A key that neither
// step used is left to the parents (a window's own key handling).
void TGridView::keyPressEvent(QKeyEvent* e) {
  uint16_t key = Key_Code(e->key());
  const TShiftState shift = Shift_State(e->modifiers());
  bool used = false, formTook = false;
  if (key != 0) {
    if (FAdvanced) {
      // The one Qt event is the form's preview and the grid's key alike: a key the form took types nothing here.
      FAdvanced->FormKeyDown = [this, e, &formTook](uint16_t& k, TShiftState) {
        formTook = OfferKeyToForm(this, *e);
        if (formTook) k = 0;
      };
      used = FAdvanced->WMKeyDown(key, shift);
      FAdvanced->FormKeyDown = nullptr;
    } else {
      FGrid->KeyDown(key, shift);
    }
    used = used || key == 0;
  }
  QChar ch = formTook ? QChar() : Key_Char(*e);
  if (!ch.isNull()) {
    if (FAdvanced) {
      used =
          FAdvanced->WMChar(ch, shift, e->key() == Qt::Key_Period && (e->modifiers() & Qt::KeypadModifier)) || used;
    } else {
      FGrid->KeyPress(ch);
      used = used || ch.isNull();
    }
  }
  e->setAccepted(used);
  if (!used && key == 0 && ch.isNull()) QAbstractScrollArea::keyPressEvent(e);
}

void TGridView::keyReleaseEvent(QKeyEvent* e) {
  uint16_t key = Key_Code(e->key());
  if (FAdvanced && key != 0 && !e->isAutoRepeat()) FAdvanced->KeyUp(key, Shift_State(e->modifiers()));
  QAbstractScrollArea::keyReleaseEvent(e);
}

namespace {
TQrvStringGrid::TGridMouseButton Grid_Button(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton:
      return TQrvStringGrid::gmbRight;
    case Qt::MiddleButton:
      return TQrvStringGrid::gmbMiddle;
    default:
      return TQrvStringGrid::gmbLeft;
  }
}
}  // namespace

void TGridView::mousePressEvent(QMouseEvent* e) {
  setFocus(Qt::MouseFocusReason);
  const QPoint p = e->position().toPoint();
  if (FAdvanced) {
    FAdvanced->GridMouseDown(Grid_Button(e->button()), Shift_State(e->modifiers(), e->buttons()), p.x(), p.y());
    Update_Cursor(p);
    return;
  }
  if (e->button() != Qt::LeftButton) return;
  int32_t c = -1, r = -1;
  if (!FGrid->MouseToCell(p.x(), p.y(), c, r) || c < FGrid->FixedCols() || r < FGrid->FixedRows()) return;
  const bool extend = (e->modifiers() & Qt::ShiftModifier) && (FGrid->Options() & goRangeSelect);
  FGrid->FocusCell(c, r, extend);
  FGrid->MoveToBaseCell();
}

void TGridView::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  if (FAdvanced) {
    const TPoint hinted = FAdvanced->LastHintPos(), ballooned = FAdvanced->LastBalloonPos();
    FAdvanced->GridMouseMove(Shift_State(e->modifiers(), e->buttons()), p.x(), p.y());
    if (hinted.X >= 0 && FAdvanced->LastHintPos().X < 0) Hide_Hint();
    Track_Balloon(p, ballooned.X >= 0 && FAdvanced->LastBalloonPos().X < 0);
    Sync_Move_Preview();
    if (FAdvanced->Interaction() == TQrvStringGrid::TGridInteraction::Dragging) Start_Drag();
    QString sizing;
    TPoint at;
    if (FAdvanced->SizingHint(sizing, at)) Show_Hint(at, sizing, SizingHintWidth);
    Update_Cursor(p);
    return;
  }
  int32_t c = -1, r = -1;
  if (!FGrid->MouseToCell(p.x(), p.y(), c, r)) r = -1;
  Set_Hover_Row(r);
}

void TGridView::mouseReleaseEvent(QMouseEvent* e) {
  if (!FAdvanced) return;
  const QPoint p = e->position().toPoint();
  QString sizing;
  TPoint at;
  if (FAdvanced->SizingHint(sizing, at)) Hide_Hint();
  FAdvanced->GridMouseUp(Grid_Button(e->button()), Shift_State(e->modifiers(), e->buttons()), p.x(), p.y());
  Sync_Move_Preview();
  Update_Cursor(p);
  // A release may end a sizing: the proportional thumbs follow the new sizes.
  if (e->button() == Qt::LeftButton) {
    FAdvanced->UpdateVertProportionalScroll();
    FAdvanced->UpdateHorzProportionalScroll();
  }
}

void TGridView::mouseDoubleClickEvent(QMouseEvent* e) {
  if (!FAdvanced || e->button() != Qt::LeftButton) {
    mousePressEvent(e);
    return;
  }
  const QPoint p = e->position().toPoint();
  FAdvanced->GridDblClick(Shift_State(e->modifiers(), e->buttons()), p.x(), p.y());
}

void TGridView::Show_Cell_Hint(const QPoint& p) {
  QString hint;
  TPoint at;
  if (!FAdvanced->PrepareCellHint(p.x(), p.y(), hint, at)) {
    Hide_Hint();
    return;
  }
  Show_Hint(at, hint, FAdvanced->ControlLook.HintMaxWidth);
}

void TGridView::Show_Hint(const TPoint& at, const QString& hint, int32_t maxWidth) {
  // The grid's own hint window: a cell text such as "<5" or "<b>" is shown as it stands, never as rich text.
  if (!FHintWindow) {
    FHintWindow = new THTMLHintWindow(this);
    FHintWindow->setObjectName(QStringLiteral("CellHint"));
  }
  THintData data;
  data.Font = FGrid->Font();
  data.MaxWidth = maxWidth;
  if (FAdvanced) {
    data.Images = FAdvanced->GridImages;
    FHintWindow->SetColor(FAdvanced->HintColor);
  }
  const QPoint global = viewport()->mapToGlobal(QPoint(at.X, at.Y));
  FHintWindow->ActivateHintData(TRect{global.x(), global.y(), global.x(), global.y()}, hint, &data);
}

void TGridView::Hide_Hint() {
  if (FHintWindow) FHintWindow->hide();
}

void TGridView::SetHintsOn(bool on) {
  FHintsOn = on;
  if (!on) Hide_Hint();
}

QString TGridView::ShownHint() const {
  return FHintWindow && FHintWindow->isVisible() ? FHintWindow->Caption() : QString();
}

void TGridView::Update_Cursor(const QPoint& p) {
  // Panning shows where the view moves, wherever the mouse is.
  if (FAdvanced->Panning()) return;
  switch (FAdvanced->CursorAt(p.x(), p.y())) {
    case TQrvStringGrid::gcColumnSizing:
      viewport()->setCursor(Qt::SplitHCursor);
      break;
    case TQrvStringGrid::gcRowSizing:
      viewport()->setCursor(Qt::SplitVCursor);
      break;
    case TQrvStringGrid::gcLink:
      viewport()->setCursor(Qt::PointingHandCursor);
      break;
    case TQrvStringGrid::gcSelectionResize:
      viewport()->setCursor(Qt::SizeFDiagCursor);
      break;
    case TQrvStringGrid::gcDrag:
      SetScreenCursor(crDrag);
      break;
    case TQrvStringGrid::gcNoDrop:
      SetScreenCursor(crNoDrop);
      break;
    case TQrvStringGrid::gcSelectRows:
      viewport()->setCursor(Grid_Select_Cursor(TGridSelectCursor::Rows));
      break;
    case TQrvStringGrid::gcSelectColumns:
      viewport()->setCursor(Grid_Select_Cursor(TGridSelectCursor::Columns));
      break;
    case TQrvStringGrid::gcSelectAll:
      viewport()->setCursor(Grid_Select_Cursor(TGridSelectCursor::All));
      break;
    case TQrvStringGrid::gcCellSelector:
      viewport()->setCursor(Grid_Select_Cursor(TGridSelectCursor::Cell));
      break;
    default: {
      SetScreenCursor(FAdvanced->Cursor());
      int32_t c = -1, r = -1;
      FAdvanced->MouseToCell(p.x(), p.y(), c, r);
      if (c >= 0 && r >= 0) FAdvanced->GetCellCursor(FAdvanced->RealColIndex(c), r, p.x(), p.y());
      break;
    }
  }
}

TPoint TGridView::ScreenToClient(const TPoint& p) const {
  const QPoint client = viewport()->mapFromGlobal(QPoint(p.X, p.Y));
  return TPoint{client.x(), client.y()};
}

void TGridView::SetScreenCursor(int32_t cursor) {
  static const std::map<int32_t, Qt::CursorShape> shapes = {{crArrow, Qt::ArrowCursor},
                                                            {crCross, Qt::CrossCursor},
                                                            {crIBeam, Qt::IBeamCursor},
                                                            {crSizeNESW, Qt::SizeBDiagCursor},
                                                            {crSizeNS, Qt::SizeVerCursor},
                                                            {crSizeNWSE, Qt::SizeFDiagCursor},
                                                            {crSizeWE, Qt::SizeHorCursor},
                                                            {crUpArrow, Qt::UpArrowCursor},
                                                            {crHourGlass, Qt::WaitCursor},
                                                            {crDrag, Qt::DragCopyCursor},
                                                            {crNoDrop, Qt::ForbiddenCursor},
                                                            {crHSplit, Qt::SplitHCursor},
                                                            {crVSplit, Qt::SplitVCursor},
                                                            {crMultiDrag, Qt::DragCopyCursor},
                                                            {crSQLWait, Qt::BusyCursor},
                                                            {crNo, Qt::ForbiddenCursor},
                                                            {crAppStart, Qt::BusyCursor},
                                                            {crHelp, Qt::WhatsThisCursor},
                                                            {crHandPoint, Qt::PointingHandCursor},
                                                            {crSizeAll, Qt::SizeAllCursor}};
  if (Is_Pan_Cursor(cursor)) {
    viewport()->setCursor(Grid_Pan_Cursor(cursor));
    return;
  }
  const auto shape = shapes.find(cursor);
  if (shape == shapes.end())
    viewport()->unsetCursor();
  else
    viewport()->setCursor(shape->second);
}

void TGridView::Start_Drag() {
  TQrvStringGrid& g = *FAdvanced;
  const TGridRect dragged = g.DraggedRect();
  const bool column = g.DraggingColumn();
  QMimeData* data = column ? Grid_ColumnDragData(g.DragCell().X)
                           : Grid_CellDragData(g, g.DragCell(), g.Navigation().AllowFmtClipboard());
  FDragImage = QPixmap();
  FDragHotSpot = QPoint(0, 0);
  if (g.DragDropSettings.ShowCells) {
    FDragImage = Drag_Image(dragged);
  } else if (column) {
    // The dragged column's header button hangs at the cursor by its bottom-left corner.
    FDragImage = Header_Button(g.DragCell().X).grab();
    FDragHotSpot = QPoint(0, FDragImage.height() - 1);
  }
  const Qt::DropAction action = RunDrag(data, Qt::CopyAction | Qt::MoveAction);
  FDragImage = QPixmap();
  const bool cancelled = action == Qt::IgnoreAction;
  if (!cancelled && !column)
    Grid_FinishCellDrag(g, dragged, action, g.DragDropSettings.OleCopyAlways,
                        g.DragDropSettings.OleRemoveRows && (g.Options() & goRowSelect));
  g.EndOleDrag(action == Qt::MoveAction ? 2u : (cancelled ? 0u : 1u), cancelled);
  viewport()->update();
}

QPixmap TGridView::Drag_Image(const TGridRect& cells) {
  const TQrvStringGrid& g = *FAdvanced;
  // Only what is in view is pictured; fixed columns and rows are always in view.
  const int32_t left = cells.Left < g.FixedCols() ? cells.Left : std::max(cells.Left, g.LeftCol());
  const int32_t top = cells.Top < g.FixedRows() ? cells.Top : std::max(cells.Top, g.TopRow());
  const int32_t right = std::min(cells.Right, g.LeftCol() + g.VisibleColCount() - 1);
  const int32_t bottom = std::min(cells.Bottom, g.TopRow() + g.VisibleRowCount() - 1);
  if (left > right || top > bottom) return {};
  const TRect first = g.CellRect(left, top), last = g.CellRect(right, bottom);
  const QRect area(first.Left + 1, first.Top + 1, last.Right - first.Left + 1, last.Bottom - first.Top + 1);
  QImage image = viewport()->grab(area).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
  painter.fillRect(image.rect(), QColor(0, 0, 0, 192));
  painter.end();
  return QPixmap::fromImage(image);
}

void TGridView::Sync_Drop_Target() {
  const auto& s = FAdvanced->DragDropSettings;
  FDropTarget->AcceptText = s.OleAcceptText;
  FDropTarget->AcceptFiles = s.OleAcceptFiles;
  FDropTarget->AcceptURLs = s.OleAcceptURLs;
  FDropTarget->AcceptCols = s.OleColumnDragDrop;
  FDropTarget->ColumnReorder = s.OleColumnReorder;
}

namespace {
uint32_t Drop_Allowed(Qt::DropActions actions) {
  return (actions & Qt::CopyAction ? deCopy : 0u) | (actions & Qt::MoveAction ? deMove : 0u);
}
// The answer of the drop target as the event's action; none ignores the event.
void Answer_Drop(QDropEvent* e, uint32_t effect) {
  if (effect == deNone) {
    e->ignore();
    return;
  }
  e->setDropAction(effect & deMove ? Qt::MoveAction : Qt::CopyAction);
  e->accept();
}
}  // namespace

void TGridView::Drag_Scroll(int32_t interval) {
  if (!FDragScrollTimer) {
    FDragScrollTimer = new QTimer(this);
    connect(FDragScrollTimer, &QTimer::timeout, this,
            [this] { Run_Guarded([this] { Drag_Scroll(FAdvanced->DragScrollTimer()); }); });
  }
  if (interval == 0)
    FDragScrollTimer->stop();
  else if (interval > 0)
    FDragScrollTimer->start(interval);
}

void TGridView::dragEnterEvent(QDragEnterEvent* e) {
  const QPoint p = e->position().toPoint();
  if (FAdvanced) Drag_Scroll(FAdvanced->DragScrollOver(p.x(), p.y(), false));
  if (FAdvanced && FAdvanced->DragScrollOptions.Active) e->accept();
  if (!FDropTarget || !FAdvanced->DragDropSettings.OleDropTarget) {
    // Drag scrolling keeps the moves coming without taking the drop.
    if (FAdvanced && FAdvanced->DragScrollOptions.Active)
      e->setDropAction(Qt::IgnoreAction);
    else
      e->ignore();
    return;
  }
  Sync_Drop_Target();
  Answer_Drop(e, FDropTarget->DragEnter(*e->mimeData(), TPoint{p.x(), p.y()}, e->modifiers() & Qt::ControlModifier,
                                        Drop_Allowed(e->possibleActions())));
}

void TGridView::dragMoveEvent(QDragMoveEvent* e) {
  if (FAdvanced) {
    const QPoint at = e->position().toPoint();
    Drag_Scroll(FAdvanced->DragScrollOver(at.x(), at.y(), false));
  }
  if (!FDropTarget || !FAdvanced->DragDropSettings.OleDropTarget) {
    e->ignore();
    return;
  }
  const QPoint p = e->position().toPoint();
  Answer_Drop(e, FDropTarget->DragOver(TPoint{p.x(), p.y()}, e->modifiers() & Qt::ControlModifier,
                                       Drop_Allowed(e->possibleActions())));
}

void TGridView::dragLeaveEvent(QDragLeaveEvent* e) {
  if (FAdvanced) Drag_Scroll(FAdvanced->DragScrollOver(0, 0, true));
  if (FDropTarget) FDropTarget->DragLeave();
  e->accept();
}

void TGridView::dropEvent(QDropEvent* e) {
  if (FAdvanced) Drag_Scroll(FAdvanced->DragScrollOver(0, 0, true));
  if (!FDropTarget || !FAdvanced->DragDropSettings.OleDropTarget) {
    e->ignore();
    return;
  }
  Sync_Drop_Target();
  const QPoint p = e->position().toPoint();
  Answer_Drop(e, FDropTarget->Drop(*e->mimeData(), TPoint{p.x(), p.y()}, e->modifiers() & Qt::ControlModifier,
                                   Drop_Allowed(e->possibleActions())));
  viewport()->update();
}

void TGridView::Set_Hover_Row(int32_t row) {
  if (!FGrid->HoverRow() || row == FGrid->HoverRowIdx()) return;
  FGrid->SetHoverRowIdx(row);
  viewport()->update();
}

void TGridView::wheelEvent(QWheelEvent* e) {
  const int delta = e->angleDelta().y();
  if (delta == 0) {
    e->ignore();
    return;
  }
  // A turn back the other way drops what was left of the last one.
  if ((delta > 0) != (FWheelRest > 0)) FWheelRest = 0;
  FWheelRest += delta;
  const TShiftState shift = Shift_State(e->modifiers(), e->buttons());
  const QPoint at = e->position().toPoint();
  for (; FWheelRest >= 120; FWheelRest -= 120)
    FAdvanced ? FAdvanced->MouseWheel(120, shift, TPoint{at.x(), at.y()}) : void(FGrid->DoMouseWheelUp(shift));
  for (; FWheelRest <= -120; FWheelRest += 120)
    FAdvanced ? FAdvanced->MouseWheel(-120, shift, TPoint{at.x(), at.y()}) : void(FGrid->DoMouseWheelDown(shift));
  e->accept();
}

void TGridView::focusInEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusInEvent(e);
  viewport()->update();
}

void TGridView::focusOutEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusOutEvent(e);
  if (FAdvanced) Run_Guarded([&] { FAdvanced->GridKillFocus(); });
  viewport()->update();
}
