#include "UAbout.h"

#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>

#include "UCheck_Version.h"
#include "UClick_Filter.h"
#include "UGlobals.h"
#include "UOpen_Link.h"

namespace {
constexpr int Logo_Size = 81;

QLabel* Fixed_Label(QWidget* parent, int left, int top, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->move(left, top);
  label->adjustSize();
  return label;
}

// The maker's mark: a white Q on a round blue badge.
QPixmap Logo() {
  QPixmap pixmap(Logo_Size, Logo_Size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x00, 0x4A, 0x8F));
  p.drawEllipse(2, 2, Logo_Size - 4, Logo_Size - 4);
  QFont font(QStringLiteral("Verdana"));
  font.setPixelSize(48);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, Logo_Size, Logo_Size), Qt::AlignCenter, QStringLiteral("Q"));
  return pixmap;
}
}  // namespace

TFAbout::TFAbout(QWidget* parent) : TFDialogFrame(Client_Width, Client_Height, parent) {
  setWindowTitle(QStringLiteral("About"));
  // This window has neither the title panel nor the OK/Cancel panel of the other windows.
  P_Title->hide();
  P_Button->hide();

  Image2 = new QLabel(this);
  Image2->setGeometry(32, 24, Logo_Size, Logo_Size);
  Image2->setScaledContents(true);
  Label1 = Fixed_Label(this, 128, 24, QStringLiteral("Quorvane - Configurator"));
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->adjustSize();
  Label2 = Fixed_Label(this, 128, 39, QString());
  Label6 = Fixed_Label(this, 128, 62, QStringLiteral("Software Code : "));
  Label9 = Fixed_Label(this, 240, 62, QString());
  Label3 = Fixed_Label(this, 128, 77, QStringLiteral("Version :"));
  Label10 = Fixed_Label(this, 240, 77, QString());
  Label8 = Fixed_Label(this, 128, 93, QStringLiteral("Document Code :"));
  Label12 = Fixed_Label(this, 240, 93, QString());
  // The address without "www." fits the space left of the window's right edge.
  Label4 = Fixed_Label(this, 316, 131, QString(Maker_Host).remove(QRegularExpression(QStringLiteral("^www\\."))));
  QPalette link = Label4->palette();
  link.setColor(QPalette::WindowText, Qt::blue);
  Label4->setPalette(link);
  On_Left_Click(Label4, [this] { Label4Click(); });
  On_Left_Click(Image2, [this] { Label4Click(); });

  LbButton1 = new TLbButton(this);
  Apply_Frame_Button_Look(LbButton1);
  LbButton1->setGeometry(32, 115, 81, 22);
  LbButton1->SetCaption(QStringLiteral("OK"));
  LbButton1->SetModalResult(mrOk);
  LbButton1->SetDefault(true);
  LbButton1->SetCancel(true);
}

void TFAbout::FormShow() {
  // Drawn when first needed: its text costs as much as the rest of the window, and most runs never show it.
  if (Image2->pixmap().isNull()) Image2->setPixmap(Logo());
  Label2->setText(SW_Desc);
  Label2->adjustSize();
  // Fixed texts of this build, deliberately not read from SW_Code.
  Label9->setText(QStringLiteral("SWTarn10"));
  Label10->setText(QStringLiteral("1.009"));
  Label12->setText(QStringLiteral("MNTarn10"));
  for (QLabel* label : {Label9, Label10, Label12}) label->adjustSize();
  setFixedSize(Client_Width, Client_Height);
}

void TFAbout::Label4Click() {
  Open_Link(Home_Page_Url());
}
