#include "UOpenConf.h"

#include <QResizeEvent>

#include "UGlobals.h"
#include "ULang.h"
#include "UWorkspace.h"

namespace {
constexpr int List_Top = 94;
constexpr int Side_Margin = 16;
constexpr int Bottom_Margin = 46;
constexpr int Button_Right_Gap = 18;
}  // namespace

TFOpenConf::TFOpenConf(QWidget* parent) : TFDialogFrame(Client_Width, Client_Height, parent) {
  // Unlike the other dialogs this one can be resized, so a long list can be seen whole.
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);
  setMinimumSize(Client_Width, Client_Height);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  Label1 = new QLabel(this);
  Label1->move(16, 70);
  ListBox1 = new QListWidget(this);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
  Place_Controls();
  TFOpenConf::Set_Lang();
}

void TFOpenConf::Place_Controls() {
  ListBox1->setGeometry(Side_Margin, List_Top, width() - 2 * Side_Margin, height() - List_Top - Bottom_Margin);
  const int cancel_left = width() - Button_Right_Gap - Btn_Cancel->width();
  const int gap = Btn_Cancel->x() - Btn_OK->x();
  Btn_Cancel->move(cancel_left, Btn_Cancel->y());
  Btn_OK->move(cancel_left - gap, Btn_OK->y());
}

void TFOpenConf::resizeEvent(QResizeEvent* event) {
  TFDialogFrame::resizeEvent(event);
  Place_Controls();
}

void TFOpenConf::Set_Lang() {
  setWindowTitle(Lang_Table.value(200));
  L_SW_Desc->setText(Lang_Table.value(201));
  L_SW_Desc->adjustSize();
  Label1->setText(Lang_Table.value(202));
  Label1->adjustSize();
  Btn_OK->SetCaption(Lang_Table.value(203));
  Btn_Cancel->SetCaption(Lang_Table.value(204));
  ListBox1->setToolTip(Lang_Table.value(205));
  Btn_OK->SetHint(Lang_Table.value(206));
  Btn_Cancel->SetHint(Lang_Table.value(207));
}

void TFOpenConf::Load_Existing_Configuration() {
  SL = List_Configuration_Folders();
}

int32_t TFOpenConf::Search_Open_Conf(const QString& snc) const {
  return Index_Ignoring_Case(SL, snc);
}

void TFOpenConf::ListBox1Click() {
  if (QListWidgetItem* item = ListBox1->currentItem()) Name_Conf = item->text();
}

void TFOpenConf::FormShow() {
  Load_Existing_Configuration();
  ListBox1->clear();
  ListBox1->addItems(SL);
  Name_Conf.clear();
  if (SL.isEmpty()) return;
  const int32_t found = Search_Open_Conf(Active_Configuration_Name());
  ListBox1->setCurrentRow(found >= 0 ? found : 0);
  ListBox1Click();
}
