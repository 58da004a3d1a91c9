#include "UTextLayout.h"

#include <QStringList>
#include <algorithm>

#include "UTextFlags.h"

namespace {

constexpr int32_t Tab_Columns = 8;

QString Expand_Tabs(const QString& text, const QFontMetrics& metrics) {
  if (!text.contains(u'\t')) return text;
  const int32_t stop = Tab_Columns * metrics.averageCharWidth();
  const int32_t space = qMax(1, metrics.horizontalAdvance(u' '));
  QString out;
  for (QChar c : text) {
    if (c != u'\t') {
      out += c;
      continue;
    }
    const int32_t x = metrics.horizontalAdvance(out);
    const int32_t next = stop > 0 ? (x / stop + 1) * stop : x + space;
    out += QString((next - x + space - 1) / space, u' ');
  }
  return out;
}

TTextLine Make_Line(const QString& text, int32_t underline, const QFontMetrics& metrics) {
  TTextLine line;
  line.Text = text;
  line.Width = metrics.horizontalAdvance(text);
  line.Underline = underline >= 0 && underline < text.size() ? underline : -1;
  return line;
}

struct TFit {
  int32_t Count = 0;
  // Width of the fitting characters and the suffix, -1 when not measured.
  int32_t Width = -1;
};

// The most characters of text from `start` (at least `minimum`) that, followed by the suffix, stay within `width`.
// Widths grow with every character, so the search starts where the width of the whole run puts the answer and
// steps from there: a few measurements instead of one per character.
TFit Fitting_Characters(const QString& text, int32_t start, int32_t count, int32_t countWidth, const QString& suffix,
                        const QFontMetrics& metrics, int32_t width, int32_t minimum) {
  auto measure = [&](int32_t k) { return metrics.horizontalAdvance(text.mid(start, k) + suffix); };
  const int32_t room = width - int32_t(suffix.size()) * metrics.averageCharWidth();
  int32_t k = countWidth > 0 ? int32_t(int64_t(count) * std::max(0, room) / countWidth) : count;
  k = std::clamp(k, minimum, count);
  int32_t w = measure(k);
  if (w <= width) {
    while (k < count) {
      const int32_t next = measure(k + 1);
      if (next > width) break;
      ++k;
      w = next;
    }
    return TFit{k, w};
  }
  while (k > minimum) {
    --k;
    w = measure(k);
    if (w <= width) return TFit{k, w};
  }
  return TFit{k, -1};
}

// Greedy breaking at blanks; a word wider than the rectangle keeps a line of its own, unbroken, unless the text
// breaks as in an edit field, which cuts the word after the last character that fits.
void Break_Words(const QString& text, int32_t underline, const QFontMetrics& metrics, int32_t width, bool editControl,
                 std::vector<TTextLine>& lines) {
  int32_t start = 0;
  const int32_t n = int32_t(text.size());
  while (true) {
    int32_t end = start;
    int32_t fitted = -1;
    while (end < n) {
      int32_t wordEnd = end;
      while (wordEnd < n && text[wordEnd] == u' ') ++wordEnd;
      while (wordEnd < n && text[wordEnd] != u' ') ++wordEnd;
      if (metrics.horizontalAdvance(text.mid(start, wordEnd - start)) > width) {
        if (fitted >= 0) break;
        if (editControl) {
          fitted = start + Fitting_Characters(text, start, wordEnd - start, -1, QString(), metrics, width, 1).Count;
          break;
        }
      }
      fitted = wordEnd;
      end = wordEnd;
    }
    if (fitted < 0) fitted = n;
    lines.push_back(Make_Line(text.mid(start, fitted - start), underline - start, metrics));
    start = fitted;
    while (start < n && text[start] == u' ') ++start;
    if (start >= n) return;
  }
}

void Add_Ellipsis(TTextLine& line, const QFontMetrics& metrics, int32_t width) {
  if (line.Width <= width) return;
  static const QString dots = QStringLiteral("...");
  const TFit fit = Fitting_Characters(line.Text, 0, int32_t(line.Text.size()), line.Width, dots, metrics, width, 0);
  line.Text = line.Text.left(fit.Count) + dots;
  line.Width = fit.Width >= 0 ? fit.Width : metrics.horizontalAdvance(line.Text);
  if (line.Underline >= fit.Count) line.Underline = -1;
}

QStringList Split_Paragraphs(const QString& text) {
  QString unified = text;
  unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  unified.replace(u'\r', u'\n');
  return unified.split(u'\n');
}

}  // namespace

QString Strip_Prefix(const QString& text, int32_t* underline) {
  QString out;
  int32_t marked = -1;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != u'&') marked = int32_t(out.size());
    }
    out += text[i];
  }
  if (underline) *underline = marked;
  return out;
}

std::vector<TTextLine> Layout_Text(const QString& text, const QFontMetrics& metrics, int32_t width, uint32_t flags) {
  std::vector<TTextLine> lines;
  QStringList paragraphs;
  if (flags & DT_SINGLELINE) {
    QString flat = text;
    flat.remove(u'\r');
    flat.remove(u'\n');
    paragraphs << flat;
  } else {
    paragraphs = Split_Paragraphs(text);
  }
  for (const QString& raw : paragraphs) {
    int32_t underline = -1;
    QString plain = (flags & DT_NOPREFIX) ? raw : Strip_Prefix(raw, &underline);
    if (flags & DT_EXPANDTABS) plain = Expand_Tabs(plain, metrics);
    if ((flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE)) {
      Break_Words(plain, underline, metrics, width, flags & DT_EDITCONTROL, lines);
    } else {
      lines.push_back(Make_Line(plain, underline, metrics));
    }
  }
  if (flags & DT_END_ELLIPSIS) {
    for (TTextLine& line : lines) Add_Ellipsis(line, metrics, width);
  }
  return lines;
}
