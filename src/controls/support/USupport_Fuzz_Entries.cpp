#include "USupport_Fuzz_Entries.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdlib>

#include "UFilterMatch.h"
#include "UMarkupControls.h"
#include "UMarkupText.h"
#include "URenderMarkup.h"
#include "UTextUtils.h"

namespace {
QString Text_Of(const uint8_t* data, size_t size) {
  return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

void Require(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

int Fuzz_Filter_Matcher(const uint8_t* data, size_t size) {
  size_t split = size / 2;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      split = i;
      break;
    }
  }
  const QString expression = Text_Of(data, split);
  const QString cell = split < size ? Text_Of(data + split + 1, size - split - 1) : QString();
  MatchFilterExpression(expression, cell, true);
  MatchFilterExpression(expression, cell, false);
  MatchFilterCondition(expression, cell);
  return 0;
}

int Fuzz_Markup_Parser(const uint8_t* data, size_t size) {
  const QString markup = Text_Of(data, size);
  QImage image(160, 80, QImage::Format_RGB32);
  image.fill(Qt::white);
  TCanvas canvas(&image);
  TMarkupParams params;
  params.WordWrap = size % 2 == 0;
  params.PointX = 20;
  params.PointY = 8;
  TMarkupOutputs out;
  params.MeasureOnly = true;
  RenderMarkup(canvas, markup, Rect(0, 0, 160, 80), params, out);
  Require(out.MeasuredWidth >= 0 && out.MeasuredHeight > 0);
  params.MeasureOnly = false;
  RenderMarkup(canvas, markup, Rect(0, 0, 160, 80), params, out);
  params.HitTestOnly = true;
  RenderMarkup(canvas, markup, Rect(0, 0, 160, 80), params, out);

  const QString visible = StripTags(markup);
  Require(visible.size() <= markup.size());
  MarkupToPlainText(markup);
  Require(DecodeMarkupEntities(EncodeMarkupEntities(markup, true), true) == markup);
  HighlightMatches(markup, markup.left(2), QStringLiteral("hi"), false);
  QString edited = markup;
  const QString id = NextControlId(markup, QString());
  if (!id.isEmpty()) {
    Require(SetControlValue(edited, id, QStringLiteral("x<\"&")));
    QString value;
    Require(GetControlValue(edited, id, value));
  }
  ClearRadioControls(markup);
  return 0;
}

int Fuzz_Csv_Codec(const uint8_t* data, size_t size) {
  const QString text = Text_Of(data, size);
  const QString quoted = CsvQuoteMultiline(text);
  Require(quoted.startsWith(u'"') && quoted.endsWith(u'"'));
  if (!text.contains(QChar(11))) Require(VtToCrLf(quoted.mid(1, quoted.size() - 2)) == text);
  int32_t pos = 0;
  FindSingleChar(u'"', text, pos);
  Require(pos >= 0 && pos <= text.size());
  CountSingleChars(u'"', text);
  Require(CollapseDoubledChar(u'"', DoubleQuotes(text)) == text);
  if (!text.contains(QChar(8)) && !text.contains(QChar(9)) && !text.contains(QChar(1)) && text.contains(u'\r'))
    Require(DecodeLineBreaks(EncodeLineBreaks(text + u'\n'), true) == text + u'\n');
  const QString tilde = CrToTilde(text);
  Require(!tilde.contains(u'\r') && !tilde.contains(u'\n'));
  TildeToCrLf(tilde);
  EscapedNewlineToCr(CrToEscapedNewline(text));
  QString rest = text, first;
  SplitFirstLine(rest, true, first);
  return 0;
}
