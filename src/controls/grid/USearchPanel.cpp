#include "USearchPanel.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include "UCanvas.h"
#include "UGradients.h"
#include "UQrvStringGrid.h"
#include "USysColors.h"

namespace {
// Enter finds the next hit and Ctrl+Enter the previous one; neither enters the text.
class TRetEdit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;
  std::function<void(bool ctrl)> OnReturn;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && OnReturn) {
      OnReturn(e->modifiers() & Qt::ControlModifier);
      e->accept();
      return;
    }
    QLineEdit::keyPressEvent(e);
  }
};

void Place(QWidget* w, const TSearchPanelItem& item) {
  w->setGeometry(item.Left, item.Top, item.Width, item.Height);
  w->setVisible(item.Visible && item.Height > 0);
  w->setEnabled(item.Enabled);
  w->setToolTip(item.Hint);
}
}  // namespace

TSearchPanel::TSearchPanel(TQrvStringGrid& grid, QWidget* viewport) : QWidget(viewport), FGrid(grid) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  auto* edit = new TRetEdit(this);
  FEdit = edit;
  FExit = new QToolButton(this);
  FExit->setText(QStringLiteral("\u00D7"));
  FExit->setAutoRaise(true);
  FForward = new QPushButton(this);
  FBackward = new QPushButton(this);
  FHilite = new QPushButton(this);
  FHilite->setCheckable(true);
  FMatchCase = new QCheckBox(this);
  edit->OnReturn = [this](bool ctrl) { ctrl ? FGrid.SearchFooterFindPrevious() : FGrid.SearchFooterFindNext(); };
  connect(FEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!FSyncing) FGrid.SearchFooterEditChange(text);
  });
  connect(FForward, &QPushButton::clicked, this, [this] { FGrid.SearchFooterFindNext(); });
  connect(FBackward, &QPushButton::clicked, this, [this] { FGrid.SearchFooterFindPrevious(); });
  connect(FHilite, &QPushButton::toggled, this, [this](bool down) {
    if (!FSyncing) FGrid.SetSearchPanelHighlight(down);
  });
  connect(FExit, &QToolButton::clicked, this, [this] { FGrid.SearchFooterClose(); });
  connect(FMatchCase, &QCheckBox::toggled, this, [this](bool on) { FGrid.SetSearchPanelMatchCase(on); });
  viewport->installEventFilter(this);
  FGrid.SearchPanelChanged = [this] { Sync(); };
  FGrid.FocusSearchEdit = [this] { FEdit->setFocus(Qt::ShortcutFocusReason); };
  Sync();
}

TSearchPanel::~TSearchPanel() {
  FGrid.SearchPanelChanged = nullptr;
  FGrid.FocusSearchEdit = nullptr;
}

void TSearchPanel::Sync() {
  const TSearchPanelState& p = FGrid.SearchPanel();
  FSyncing = true;
  const QWidget* area = parentWidget();
  setGeometry(0, area->height() - p.Height, area->width(), p.Height);
  setVisible(p.Visible);
  setFont(ToQFont(p.Font));
  if (FEdit->text() != p.Text) FEdit->setText(p.Text);
  QPalette palette = FEdit->palette();
  palette.setColor(QPalette::Base, TColorToQColor(p.EditColor));
  FEdit->setPalette(palette);
  Place(FEdit, p.Edit);
  Place(FExit, p.Close);
  Place(FForward, p.FindNext);
  Place(FBackward, p.FindPrev);
  Place(FHilite, p.Highlight);
  Place(FMatchCase, p.MatchCaseBox);
  FMatchCase->setText(p.MatchCaseBox.Caption);
  FMatchCase->setChecked(p.MatchCase);
  FForward->setText(p.FindNext.Caption);
  FBackward->setText(p.FindPrev.Caption);
  FHilite->setText(p.Highlight.Caption);
  FHilite->setChecked(p.HighlightDown);
  for (QPushButton* b : {FForward, FBackward, FHilite}) b->setFlat(p.FlatButtons);
  // In right-to-left reading the controls mirror across the strip.
  if (layoutDirection() == Qt::RightToLeft)
    for (QWidget* w :
         {static_cast<QWidget*>(FEdit), static_cast<QWidget*>(FExit), static_cast<QWidget*>(FForward),
          static_cast<QWidget*>(FBackward), static_cast<QWidget*>(FHilite), static_cast<QWidget*>(FMatchCase)})
      w->move(width() - w->width() - w->x(), w->y());
  FSyncing = false;
  update();
}

void TSearchPanel::paintEvent(QPaintEvent*) {
  const TSearchPanelState& p = FGrid.SearchPanel();
  TCanvas canvas(this);
  const TRect all{0, 0, width(), height()};
  if (p.ColorTo == clNone) {
    canvas.Brush().Color = p.Color;
    canvas.FillRect(all);
  } else {
    FillGradientBands(canvas, p.Color, p.ColorTo, 32, all, false);
  }
  canvas.Pen().Color = FGrid.GridLineColor();
  canvas.Pen().Width = 1;
  canvas.MoveTo(0, 0);
  canvas.LineTo(width(), 0);
}

bool TSearchPanel::eventFilter(QObject* watched, QEvent* e) {
  if (watched == parentWidget() && e->type() == QEvent::Resize) Sync();
  return QWidget::eventFilter(watched, e);
}

void TSearchPanel::mousePressEvent(QMouseEvent* e) {
  e->accept();
}

void TSearchPanel::mouseReleaseEvent(QMouseEvent* e) {
  e->accept();
}
