// One grid viewport painted through the canvas against the same picture painted with plain QPainter calls:
// 960 x 880 pixels, 40 rows of 10 cells, grid lines and one single-line, vertically centred, end-ellipsis text
// per cell. Both run in one program so the ratio is measured under the same conditions.
#include <benchmark/benchmark.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <vector>

#include "UCanvas.h"
#include "UFonts.h"
#include "USysColors.h"

namespace {

constexpr int Cols = 10;
constexpr int Rows = 40;
constexpr int Cell_Width = 96;
constexpr int Cell_Height = 22;

// Texts of every length from a few characters to several times a cell's width, so some cells elide.
const std::vector<QString>& Cell_Texts() {
  static const std::vector<QString> texts = [] {
    std::vector<QString> out;
    for (int r = 0; r < Rows; ++r) {
      for (int c = 0; c < Cols; ++c) {
        QString text = QStringLiteral("R%1C%2").arg(r).arg(c);
        const int words = (r * 7 + c * 3) % 6;
        for (int w = 0; w < words; ++w) text += QStringLiteral(" value");
        out.push_back(text);
      }
    }
    return out;
  }();
  return texts;
}

TRect Cell_Rect(int c, int r) {
  return Rect(c * Cell_Width, r * Cell_Height, (c + 1) * Cell_Width, (r + 1) * Cell_Height);
}

void Canvas_Viewport(benchmark::State& state) {
  QImage image(Cols * Cell_Width, Rows * Cell_Height, QImage::Format_RGB32);
  image.fill(Qt::white);
  const std::vector<QString>& texts = Cell_Texts();
  for (auto _ : state) {
    TCanvas canvas(&image);
    canvas.Pen().Color = clSilver;
    canvas.Font().Name = QStringLiteral("Tahoma");
    canvas.Font().Height = -11;
    canvas.Font().Color = clWindowText;
    canvas.Brush().Style = bsClear;
    for (int r = 0; r < Rows; ++r) {
      for (int c = 0; c < Cols; ++c) {
        const TRect cell = Cell_Rect(c, r);
        canvas.MoveTo(cell.Left, cell.Bottom - 1);
        canvas.LineTo(cell.Right, cell.Bottom - 1);
        canvas.MoveTo(cell.Right - 1, cell.Top);
        canvas.LineTo(cell.Right - 1, cell.Bottom);
        TRect text = Rect(cell.Left + 2, cell.Top, cell.Right - 3, cell.Bottom - 1);
        canvas.DrawText(texts[r * Cols + c], text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
      }
    }
    canvas.Release();
    benchmark::DoNotOptimize(image.constBits());
  }
}

void QPainter_Viewport(benchmark::State& state) {
  QImage image(Cols * Cell_Width, Rows * Cell_Height, QImage::Format_RGB32);
  image.fill(Qt::white);
  const std::vector<QString>& texts = Cell_Texts();
  TFont look;
  look.Name = QStringLiteral("Tahoma");
  look.Height = -11;
  const QFont font = ToQFont(look);
  for (auto _ : state) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(font);
    const QFontMetrics metrics(font);
    const QPen line(TColorToQColor(clSilver));
    const QPen text(TColorToQColor(clWindowText));
    for (int r = 0; r < Rows; ++r) {
      for (int c = 0; c < Cols; ++c) {
        const TRect cell = Cell_Rect(c, r);
        p.setPen(line);
        p.drawLine(cell.Left, cell.Bottom - 1, cell.Right - 1, cell.Bottom - 1);
        p.drawLine(cell.Right - 1, cell.Top, cell.Right - 1, cell.Bottom - 1);
        const QRect box(cell.Left + 2, cell.Top, Cell_Width - 5, Cell_Height - 1);
        p.setPen(text);
        p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   metrics.elidedText(texts[r * Cols + c], Qt::ElideRight, box.width()));
      }
    }
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}

BENCHMARK(Canvas_Viewport)->Unit(benchmark::kMillisecond);
BENCHMARK(QPainter_Viewport)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  Install_Font_Substitutes();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
