// Writes PNGs to look at by eye: the drop-down in each colour style, closed (with its label and the coloured
// button of a tone set) and open (its popup with an inner panel). Usage: dropdown_gallery <folder>.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include "UDropDownForm.h"
#include "UQrvCustomDropDown.h"

namespace {

const char* const Style_Names[] = {"Office2003Blue", "Office2003Silver",   "Office2003Olive",  "Office2003Classic",
                                   "Office2007Luna", "Office2007Obsidian", "WindowsXP",        "Whidbey",
                                   "Custom",         "Office2007Silver",   "WindowsVista",     "Windows7",
                                   "Terminal",       "Office2010Blue",     "Office2010Silver", "Office2010Black"};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? argv[1] : ".");
  for (int style = tsOffice2003Blue; style <= tsOffice2010Black; ++style) {
    QWidget window;
    window.resize(320, 60);
    window.setAutoFillBackground(true);
    auto* d = new TQrvCustomDropDown(&window);
    d->move(90, 20);
    d->SetLabelCaption(QStringLiteral("Value:"));
    d->SetComponentStyle(static_cast<TVyxStyle>(style));
    d->SetEditValue(QStringLiteral("12.50"));
    if (style % 2) {
      TColorTones tones;
      tones.Background = {0xF0E0D0, 0x806040, clNone};
      tones.Hover = {0xC0FFFF, clNone, clNone};
      tones.Selected = {0x80C0FF, clNone, clNone};
      d->SetColorTones(tones);
    }
    auto* inner = new QWidget;
    inner->resize(180, 90);
    d->SetControl(inner);
    window.show();
    const QString name = QString::fromLatin1(Style_Names[style]);
    window.grab().save(folder.filePath(QStringLiteral("dropdown_%1_closed.png").arg(name)));
    d->ShowDropDown();
    QApplication::processEvents();
    d->DropDownForm()->grab().save(folder.filePath(QStringLiteral("dropdown_%1_popup.png").arg(name)));
    d->HideDropDown(false);
  }
  return 0;
}
