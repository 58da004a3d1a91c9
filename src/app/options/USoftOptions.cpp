#include "USoftOptions.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <algorithm>

#include "UCheck_Version.h"
#include "UClick_Filter.h"
#include "UDialogs.h"
#include "UGlobals.h"
#include "ULang.h"
#include "ULanguage_Files.h"
#include "UOpen_Link.h"

namespace {
QString Text(int32_t id) {
  return Lang_Table.value(id);
}

constexpr int Tab_Top = TFDialogFrame::Title_Height;
constexpr int Tab_Height =
    TFSoftOptions::Client_Height - TFDialogFrame::Title_Height - TFDialogFrame::Button_Panel_Height;
constexpr int Flag_Size = 48;

struct TSlotPlace {
  int Picture_Left, Picture_Top, Label_Left, Label_Top;
};
constexpr TSlotPlace Slot_Places[TFSoftOptions::Slots_Per_Page] = {
    {24, 40, 80, 56},   {26, 94, 80, 110},   {24, 148, 80, 164},
    {254, 40, 310, 56}, {254, 94, 310, 110}, {254, 148, 310, 164},
};

// A one-cell arrow glyph; the olive background is the transparent colour the button leaves out.
TBitmap Arrow_Glyph(bool right) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(QColor(0x80, 0x80, 0x00));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x00, 0x60, 0xC0));
  const QPolygon arrow = right ? QPolygon({QPoint(4, 2), QPoint(12, 8), QPoint(4, 14)})
                               : QPolygon({QPoint(12, 2), QPoint(4, 8), QPoint(12, 14)});
  p.drawPolygon(arrow);
  p.end();
  return TBitmap(image);
}

QCheckBox* Check_Box(QWidget* page, int left, int top, std::function<void()> onClick) {
  auto* box = new QCheckBox(page);
  box->move(left, top);
  QObject::connect(box, &QCheckBox::clicked, page, [onClick = std::move(onClick)] { onClick(); });
  return box;
}

void Set_Text(QWidget* widget, const QString& text) {
  if (auto* label = qobject_cast<QLabel*>(widget))
    label->setText(text);
  else if (auto* box = qobject_cast<QCheckBox*>(widget))
    box->setText(text);
  widget->adjustSize();
}

class TWaitCursor {
 public:
  TWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};
}  // namespace

TFSoftOptions::TFSoftOptions(QWidget* parent) : TFDialogFrame(Client_Width, Client_Height, parent) {
  Btn_OK->move(16, 6);
  Btn_Cancel->move(134, 6);
  PC_Options = new QTabWidget(this);
  PC_Options->setObjectName(QStringLiteral("PC_Options"));
  PC_Options->setGeometry(0, Tab_Top, Client_Width, Tab_Height);
  Create_Language_Page();
  Create_Connection_Page();
  Create_Settings_Page();
  L_SW_Code->setText(SW_Code);
  L_SW_Code->adjustSize();
  Set_Lang();
}

void TFSoftOptions::Create_Language_Page() {
  TS_Language = new QWidget();
  PC_Options->addTab(TS_Language, QString());
  L_Sel_Lang = new QLabel(TS_Language);
  L_Sel_Lang->move(12, 11);
  for (int32_t k = 0; k < Slots_Per_Page; ++k) {
    const TSlotPlace& place = Slot_Places[k];
    I_L[k] = new QLabel(TS_Language);
    I_L[k]->setObjectName(QStringLiteral("I_L%1").arg(k + 1));
    I_L[k]->setGeometry(place.Picture_Left, place.Picture_Top, Flag_Size, Flag_Size);
    I_L[k]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    L_L[k] = new QLabel(TS_Language);
    L_L[k]->setObjectName(QStringLiteral("L_L%1").arg(k + 1));
    L_L[k]->move(place.Label_Left, place.Label_Top);
    On_Left_Click(I_L[k], [this, k] { LangClick(k + 1); });
    On_Left_Click(L_L[k], [this, k] { LangClick(k + 1); });
  }
  Btn_Prev = new TLbButton(TS_Language);
  Btn_Next = new TLbButton(TS_Language);
  for (TLbButton* button : {Btn_Prev, Btn_Next}) {
    Apply_Frame_Button_Look(button);
    button->SetGlyph(Arrow_Glyph(button == Btn_Next));
    button->OnClick = [this, button] { Btn_NextClick(button); };
  }
  Btn_Next->SetLayout(blGlyphRight);
  Btn_Prev->move(12, 204);
  Btn_Next->move(379, 205);
  L_Page_Lang = new QLabel(TS_Language);
  L_Page_Lang->move(220, 212);
}

void TFSoftOptions::Create_Connection_Page() {
  TS_Con_Options = new QWidget();
  PC_Options->addTab(TS_Con_Options, QString());
  CB_En_Con = Check_Box(TS_Con_Options, 12, 16, [this] { CB_En_ConClick(); });
  CB_Update = Check_Box(TS_Con_Options, 36, 47, [this] { CB_En_ConClick(); });
  Btn_Check_Update = new TLbButton(TS_Con_Options);
  Apply_Frame_Button_Look(Btn_Check_Update);
  Btn_Check_Update->setGeometry(36, 78, 204, 28);
  Btn_Check_Update->OnClick = [this] { Btn_Check_UpdateClick(); };
  LL_Check_Update = new QLabel(TS_Con_Options);
  LL_Check_Update->move(40, 120);
  LL_Check_Update->setTextFormat(Qt::RichText);
  LL_Check_Update->setOpenExternalLinks(false);
  LL_Check_Update->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  connect(LL_Check_Update, &QLabel::linkActivated, this,
          [this](const QString& link) { LL_Check_UpdateLinkClick(link); });
  LL_Check_Update->hide();
}

void TFSoftOptions::Create_Settings_Page() {
  TS_Soft_Settings = new QWidget();
  PC_Options->addTab(TS_Soft_Settings, QString());
  CB_Soft_Set_Jump_Table = Check_Box(TS_Soft_Settings, 12, 16, [this] { CB_En_ConClick(); });
  CB_DoubleClick_Auto_Size = Check_Box(TS_Soft_Settings, 12, 39, [this] { CB_En_ConClick(); });
}

void TFSoftOptions::Set_Lang() {
  setWindowTitle(Text(300));
  L_SW_Desc->setText(Text(301));
  L_SW_Desc->adjustSize();
  PC_Options->setTabText(PC_Options->indexOf(TS_Language), Text(302));
  PC_Options->setTabText(PC_Options->indexOf(TS_Con_Options), Text(303));
  PC_Options->setTabText(PC_Options->indexOf(TS_Soft_Settings), Text(319));
  Set_Text(L_Sel_Lang, Text(304) + Language_In_Use);
  Btn_Prev->SetCaption(Text(307));
  Btn_Next->SetCaption(Text(308));
  Set_Text(CB_En_Con, Text(309));
  Set_Text(CB_Update, Text(310));
  Btn_Check_Update->SetCaption(Text(311));
  Btn_OK->SetCaption(Text(312));
  Btn_Cancel->SetCaption(Text(313));
  Set_Text(CB_Soft_Set_Jump_Table, Text(320));
  Set_Text(CB_DoubleClick_Auto_Size, Text(321));
  Update_Lang_Page(Show_Page);
  Show_Check_Result();
}

void TFSoftOptions::FormShow() {
  Language_In_Use = Language;
  Create_Lang_List();
  FCheck_Result = TCheckResult::None;
  Show_Check_Result();
  PC_Options->setCurrentWidget(TS_Language);
  CB_En_Con->setChecked(enable_internet);
  CB_Update->setChecked(enable_update);
  CB_Soft_Set_Jump_Table->setChecked(enable_jump_field_tables);
  CB_DoubleClick_Auto_Size->setChecked(Double_Click_Auto_Size);
  // After the ticks: setting a tick in code does not run the click handler.
  Update_CheckBox();
}

void TFSoftOptions::Create_Lang_List() {
  SL_Languages = Find_Language_Files(Path_Language);
  Show_Page = 1;
  Update_Lang_Page(1);
}

int32_t TFSoftOptions::Page_Count() const {
  return static_cast<int32_t>((SL_Languages.size() + Slots_Per_Page - 1) / Slots_Per_Page);
}

void TFSoftOptions::Update_Lang_Page(int32_t Num_Page) {
  // Without any language file there is still one (empty) page to name, and nowhere to go from it.
  const int32_t pages = std::max<int32_t>(1, Page_Count());
  Set_Text(L_Sel_Lang, Text(304) + Language_In_Use);
  Set_Text(L_Page_Lang, Text(305) + QString::number(Num_Page) + Text(306) + QString::number(pages));
  Btn_Prev->setVisible(Num_Page != 1);
  Btn_Next->setVisible(Num_Page != pages);
  const int32_t first = (Num_Page - 1) * Slots_Per_Page;
  const int32_t shown = std::min<int32_t>(Slots_Per_Page, static_cast<int32_t>(SL_Languages.size()) - first);
  for (int32_t k = 0; k < Slots_Per_Page; ++k) {
    if (k >= shown) {
      I_L[k]->hide();
      L_L[k]->hide();
      continue;
    }
    const QString name = SL_Languages[first + k].chopped(4);
    Set_Text(L_L[k], name);
    L_L[k]->show();
    const QString flag = Flag_Picture_Path(Path_Language, name);
    const QPixmap picture = flag.isEmpty() ? QPixmap() : QPixmap(flag);
    I_L[k]->setPixmap(picture);
    I_L[k]->setVisible(!picture.isNull());
  }
}

void TFSoftOptions::Btn_NextClick(TLbButton* Sender) {
  if (Sender == Btn_Next && Page_Count() >= Show_Page + 1) ++Show_Page;
  if (Sender == Btn_Prev && Show_Page > 1) --Show_Page;
  Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(int32_t Slot) {
  const int32_t index = (Show_Page - 1) * Slots_Per_Page + Slot - 1;
  if (Slot < 1 || Slot > Slots_Per_Page || index >= SL_Languages.size()) return;
  const QString name = SL_Languages[index].chopped(4);
  if (!Ask_Yes_No(Text(316) + Language_In_Use + Text(317) + name + Text(318))) return;
  Language_In_Use = name;
  // The stored setting changes only with OK; the table is loaded for the picked language now.
  Load_Language(name);
  if (On_Change_Language)
    On_Change_Language();
  else
    Set_Lang();
  Set_Text(L_Sel_Lang, Text(304) + Language_In_Use);
}

void TFSoftOptions::CB_En_ConClick() {
  Update_CheckBox();
}

void TFSoftOptions::Update_CheckBox() {
  CB_Update->setEnabled(CB_En_Con->isChecked());
  Btn_Check_Update->setEnabled(CB_Update->isEnabled() && CB_Update->isChecked());
}

bool TFSoftOptions::Check_Version() {
  return Query_Newer_Version();
}

int32_t TFSoftOptions::Conv_Version(const QString& Ver_str) {
  return Conv_Version_Text(Ver_str);
}

void TFSoftOptions::Btn_Check_UpdateClick() {
  bool newer;
  {
    // The request blocks the window until the reply or its time limit.
    TWaitCursor wait;
    newer = Check_Version();
  }
  FCheck_Result = newer ? TCheckResult::Newer : TCheckResult::Not_Newer;
  Show_Check_Result();
}

void TFSoftOptions::Show_Check_Result() {
  if (FCheck_Result == TCheckResult::None) {
    LL_Check_Update->hide();
    return;
  }
  if (FCheck_Result == TCheckResult::Newer)
    LL_Check_Update->setText(
        QStringLiteral("<a href=\"%1\">%2</a>").arg(Download_Page_Url().toHtmlEscaped(), Text(314).toHtmlEscaped()));
  else
    LL_Check_Update->setText(Text(315).toHtmlEscaped());
  LL_Check_Update->adjustSize();
  LL_Check_Update->show();
}

void TFSoftOptions::LL_Check_UpdateLinkClick(const QString& Link) {
  Open_Link(Link);
}

void TFSoftOptions::Btn_OKClick() {
  Language = Language_In_Use;
  enable_internet = CB_En_Con->isChecked();
  enable_update = CB_Update->isChecked();
  if (On_Enable_Timer_Update) On_Enable_Timer_Update(enable_internet && enable_update);
  enable_jump_field_tables = CB_Soft_Set_Jump_Table->isChecked();
  Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->isChecked();
  // The main window writes Vandrel.xml when this window returns OK.
  TFDialogFrame::Btn_OKClick();
}
