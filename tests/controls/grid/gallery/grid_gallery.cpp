// Writes PNGs to look at by eye: the advanced grid in every look and colour style, and every kind of cell.
// Usage: grid_gallery [folder]; the folder may also be named by TARN_GRID_GALLERY. Without one nothing is written.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "UCanvas.h"
#include "UQrvStringGrid.h"

namespace {
QString Folder;

void Save(const QImage& image, const QString& name) {
  const QImage big = image.scaled(image.width() * 2, image.height() * 2);
  big.save(QDir(Folder).filePath(name + QStringLiteral(".png")));
  std::printf("%s\n", qPrintable(QDir(Folder).filePath(name + QStringLiteral(".png"))));
}

// A small table with a header, numbers, a selection and a current cell.
void FillTable(TQrvStringGrid& g) {
  g.SetColCount(5);
  g.SetRowCount(6);
  g.SetDefaultColWidth(64);
  g.SetDefaultRowHeight(20);
  g.SetBounds(0, 0, 320, 120);
  const QStringList headers{QString(), QStringLiteral("Name"), QStringLiteral("Value"), QStringLiteral("Unit"),
                            QStringLiteral("Note")};
  for (int32_t c = 0; c < 5; ++c) g.SetCells(c, 0, headers[c]);
  for (int32_t r = 1; r < 6; ++r) {
    g.SetCells(0, r, QString::number(r));
    g.SetCells(1, r, QStringLiteral("Item %1").arg(r));
    g.SetCells(2, r, QString::number(r * 12.5, 'f', 1));
    g.SetCells(3, r, QStringLiteral("mm"));
  }
  g.AutoNumAlign = true;
  g.SelectCells(1, 2, 3, 3);
}

QImage Render(TQrvStringGrid& g, int32_t width, int32_t height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  TCanvas canvas(&image);
  g.Paint(canvas, TRect{0, 0, width, height});
  canvas.Release();
  return image;
}

// Several renders one above the other, each with its caption to the left.
QImage Sheet(const std::vector<std::pair<QString, QImage>>& parts) {
  int32_t height = 0;
  for (const auto& p : parts) height += p.second.height() + 6;
  QImage sheet(120 + 320, height, QImage::Format_RGB32);
  sheet.fill(qRgb(0xFA, 0xFA, 0xFA));
  TCanvas canvas(&sheet);
  int32_t y = 0;
  for (const auto& [caption, image] : parts) {
    canvas.Font().Color = 0x404040;
    canvas.SetBkMode(bkTransparent);
    canvas.TextOut(4, y + 4, caption);
    canvas.DrawImage(120, y, image);
    y += image.height() + 6;
  }
  canvas.Release();
  return sheet;
}

void Looks() {
  std::vector<std::pair<QString, QImage>> parts;
  for (int32_t look = glStandard; look <= glCustom; ++look) {
    TQrvStringGrid g;
    FillTable(g);
    g.SetLook(glStandard);
    g.SetLook(static_cast<TGridLook>(look));
    g.HoverFixedCells = hfAll;
    g.HoverFixedCell = TPoint{3, 0};
    const QString name = look == glCustom ? QStringLiteral("glCustom") : LookToString(static_cast<TGridLook>(look));
    parts.emplace_back(name, Render(g, 320, 120));
  }
  Save(Sheet(parts), QStringLiteral("grid_looks"));
}

void Styles() {
  const char* names[] = {"Office2003Blue", "Office2003Silver",   "Office2003Olive",  "Office2003Classic",
                         "Office2007Luna", "Office2007Obsidian", "WindowsXP",        "Whidbey",
                         "Custom",         "Office2007Silver",   "WindowsVista",     "Windows7",
                         "Terminal",       "Office2010Blue",     "Office2010Silver", "Office2010Black"};
  std::vector<std::pair<QString, QImage>> parts;
  for (int32_t style = 0; style < TQrvGridStyleCount; ++style) {
    TQrvStringGrid g;
    FillTable(g);
    g.SetComponentStyle(static_cast<TVyxStyle>(style));
    parts.emplace_back(QString::fromLatin1(names[style]), Render(g, 320, 120));
  }
  Save(Sheet(parts), QStringLiteral("grid_styles"));
  TQrvStringGrid g;
  FillTable(g);
  TColorTones tones;
  tones.Background = {0xFFFFFF, 0xC8C8C8, 0x202020};
  tones.Foreground = {0x8A5A2B, 0x6A3A0B, 0xFFFFFF};
  tones.Selected = {0xE8C8A0, 0x8A5A2B, 0x000000};
  tones.Hover = {0xF0DCC8, 0x8A5A2B, 0x000000};
  tones.Disabled = {0xF0F0F0, 0xC0C0C0, 0x909090};
  g.SetColorTones(tones);
  g.AddCheckBox(4, 1, true, false);
  g.AddCheckBox(4, 2, false, false);
  Save(Render(g, 320, 120), QStringLiteral("grid_tones"));
}

void CellKinds() {
  std::vector<std::pair<QString, QImage>> parts;
  // Check boxes and radio buttons in every control style: checked, unchecked, read-only checked, tri-state.
  const char* styles[] = {"csClassic", "csFlat", "csWinXP", "csRaised", "csVyx", "csGlyph", "csTheme"};
  for (int32_t style = csClassic; style <= csTheme; ++style) {
    TQrvStringGrid g;
    g.SetColCount(6);
    g.SetRowCount(2);
    g.SetDefaultColWidth(52);
    g.SetDefaultRowHeight(22);
    g.SetBounds(0, 0, 320, 46);
    g.ControlLook.ControlStyle = static_cast<TControlStyle>(style);
    if (style == csGlyph)
      g.SetColorTones(
          TColorTones{{clWhite, clGray, clBlack}, {clBtnFace, clGray, clBlack}, {0xE8C8A0, clGray, clBlack}, {}, {}});
    g.ControlLook.ControlStyle = static_cast<TControlStyle>(style);
    g.SetOptions(g.Options() | goEditing);
    g.AddCheckBox(1, 1, true, false);
    g.AddCheckBox(2, 1, false, false);
    g.AddCheckBox(3, 1, true, false);
    g.SetReadOnly(3, 1, true);
    g.AddCheckBox(4, 1, cbGrayed);
    g.AddRadioButton(5, 1, true);
    g.SetCol(0);
    parts.emplace_back(QString::fromLatin1(styles[style]), Render(g, 320, 46));
  }
  Save(Sheet(parts), QStringLiteral("grid_checkboxes"));

  parts.clear();
  TQrvStringGrid g;
  g.SetColCount(4);
  g.SetRowCount(9);
  g.SetDefaultColWidth(100);
  g.SetDefaultRowHeight(26);
  g.SetColWidths(0, 20);
  g.SetRowHeights(0, 90);
  g.SetBounds(0, 0, 320, 300);
  g.AddRotated(1, 0, 90, QStringLiteral("Rotated 90"));
  g.AddRotated(2, 0, 45, QStringLiteral("Rotated 45"));
  g.SetCells(3, 0, QStringLiteral("Plain header"));
  g.AddProgress(1, 1, 0x00A000, clWhite);
  g.SetCells(1, 1, QStringLiteral("65"));
  g.AddQrvProgress(2, 1, 0, 200);
  g.SetCells(2, 1, QStringLiteral("50"));
  g.AddProgressPie(3, 1, 0x0080FF, 70);
  g.AddRangeIndicator(1, 2, 100, clRed, 0x00A000, true);
  g.SetCells(1, 2, QStringLiteral("-40"));
  g.AddRangeIndicator(2, 2, 100, clRed, 0x00A000, true);
  g.SetCells(2, 2, QStringLiteral("60"));
  g.AddComment(3, 2, QStringLiteral("a note"));
  g.SetCells(3, 2, QStringLiteral("commented"));
  g.AddButton(1, 3, 80, 20, QStringLiteral("Button"), haCenter, vaCenter);
  g.AddShape(2, 3, csCircle, 0x00C0FF, clBlack, haCenter, vaCenter);
  g.AddRating(3, 3, 5, 0x00C0FF, clSilver);
  g.SetCells(3, 3, QStringLiteral("3.5"));
  QStringList* radio = g.CreateRadio(1, 4, 1, 1);
  *radio << QStringLiteral("A") << QStringLiteral("B") << QStringLiteral("C");
  g.SetCells(2, 4, QStringLiteral("<b>Bold</b> and <i>italic</i>"));
  g.SetCells(3, 4, QStringLiteral("http://example.org"));
  g.URLShow = true;
  g.SetCells(1, 5, QStringLiteral("A longer text that wraps over the lines of its cell"));
  g.SetRowHeights(5, 40);
  g.SetCells(2, 5, QStringLiteral("1234.5"));
  g.AutoNumAlign = true;
  g.SetCells(3, 5, QStringLiteral("Own colour"));
  g.SetColors(3, 5, 0xC0FFC0);
  g.SetCells(1, 6, QStringLiteral("Centred"));
  g.SetAlignments(1, 6, taCenter);
  g.SetCells(2, 6, QStringLiteral("Bold red"));
  g.SetFontColors(2, 6, clRed);
  g.SetFontStyles(2, 6, fsBold);
  g.AddCheckBox(3, 6, true, true);
  g.SelectCells(1, 7, 2, 7);
  g.SetCells(1, 7, QStringLiteral("selected"));
  g.SetCells(2, 7, QStringLiteral("selected"));
  g.SetCol(1);
  g.SetRow(7);
  g.BackGround.Display = bdGradientVert;
  g.BackGround.Color = 0xFFF0E0;
  g.BackGround.ColorTo = 0xE0C0A0;
  Save(Render(g, 320, 300), QStringLiteral("grid_cells"));
}
void Nodes() {
  std::vector<std::pair<QString, QImage>> parts;
  const char* types[] = {"cnFlat", "cn3D", "cnGlyph", "cnLeaf", "cnXP"};
  for (int32_t type = cnFlat; type <= cnXP; ++type) {
    TQrvStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(7);
    g.SetFixedCols(0);
    g.SetLeftCol(0);
    g.SetDefaultColWidth(100);
    g.SetDefaultRowHeight(20);
    g.SetBounds(0, 0, 320, 140);
    for (int32_t r = 1; r < 7; ++r) g.SetCells(1, r, QStringLiteral("Row %1").arg(r));
    g.AddNode(1, 4);
    g.AddNode(4, 3);
    g.AddNode(5, 2);
    g.ContractNode(5);
    g.CellNode().SetNodeType(static_cast<TNodeType>(type));
    parts.emplace_back(QString::fromLatin1(types[type]), Render(g, 320, 140));
  }
  Save(Sheet(parts), QStringLiteral("grid_nodes"));
}
// Rich-text cells beside plain ones, and links of which only the one under the mouse is underlined.
void RichTextAndLinks() {
  TQrvStringGrid g;
  g.SetColCount(3);
  g.SetRowCount(6);
  g.SetDefaultColWidth(150);
  g.SetDefaultRowHeight(24);
  g.SetColWidths(0, 20);
  g.SetRowHeights(3, 40);
  g.SetBounds(0, 0, 330, 190);
  g.SetCells(1, 0, QStringLiteral("Rich text"));
  g.SetCells(2, 0, QStringLiteral("As it stands"));
  const QString colours = QStringLiteral("{\\colortbl;\\red200\\green0\\blue0;\\red0\\green128\\blue0;}");
  g.SetCells(1, 1,
             QStringLiteral("{\\rtf1") + colours + QStringLiteral("\\b Bold\\b0 , \\cf1 red\\cf0 , \\i italic}"));
  g.SetCells(2, 1, QStringLiteral("Bold, red, italic"));
  g.SetCells(
      1, 2,
      QStringLiteral("{\\rtf1") + colours + QStringLiteral("H\\dn4 2\\dn0 O and x\\up4 2\\up0  \\cf2\\ul green}"));
  g.SetCells(2, 2, QStringLiteral("{\\rtf1\\fs99999999999 not read}"));
  g.SetCells(1, 3, QStringLiteral("{\\rtf1\\fs20 First paragraph\\par\\fs16 second, smaller}"));
  g.SetCells(2, 3, QStringLiteral("plain text"));
  g.URLUnderlineOnHover = true;
  const QString links =
      QStringLiteral("<a href=\"http://a.example\">hovered</a> and <a href=\"http://b.example\">not</a>");
  g.SetCells(1, 4, links);
  g.SetCells(2, 4, links);
  g.SelectCells(1, 5, 1, 5);
  g.SetCells(1, 5, QStringLiteral("{\\rtf1") + colours + QStringLiteral("selected \\cf1 red}"));
  g.SetCol(1);
  g.SetRow(5);
  const TRect cell = g.CellRect(1, 4);
  g.GridMouseMove({}, cell.Left + 20, (cell.Top + cell.Bottom) / 2);
  Save(Render(g, 330, 190), QStringLiteral("grid_rich_links"));
}

// The sort row: one sorted column, then sort indexes shown (number and triangle), then with index glyphs.
void SortHeaders() {
  std::vector<std::pair<QString, QImage>> parts;
  for (int32_t step = 0; step < 4; ++step) {
    TQrvStringGrid g;
    FillTable(g);
    g.SetLook(step == 3 ? glClassic : glXP);
    TQrvStringGrid::TSortSettings& sort = g.SortSettings;
    sort.Show = true;
    sort.Column = 1;
    sort.Direction = sdDescending;
    if (step > 0) {
      sort.IndexShow = true;
      sort.Indexes.LoadFromString(QStringLiteral("d1;u2;u4"));
    }
    if (step == 2) g.SetCells(2, 0, QStringLiteral("<b>Value</b>"));
    parts.emplace_back(step == 0 ? QStringLiteral("sort column") : QStringLiteral("indexes %1").arg(step),
                       Render(g, 320, 60));
  }
  Save(Sheet(parts), QStringLiteral("grid_sort_headers"));
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  Folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("TARN_GRID_GALLERY");
  if (Folder.isEmpty()) {
    std::printf("usage: grid_gallery <folder> (or TARN_GRID_GALLERY=<folder>)\n");
    return 0;
  }
  QDir().mkpath(Folder);
  Looks();
  Styles();
  CellKinds();
  Nodes();
  RichTextAndLinks();
  SortHeaders();
  return 0;
}
