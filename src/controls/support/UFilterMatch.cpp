#include "UFilterMatch.h"

#include <cmath>
#include <unordered_map>

#include "UDateParse.h"
#include "UTextUtils.h"

namespace {
// Comparison values are held in a buffer of this many characters.
constexpr qsizetype Max_Compare_Length = 255;
// Deeper parentheses are matched as one plain condition, so a hostile expression cannot exhaust the stack.
constexpr int32_t Max_Group_Depth = 200;

bool Read_Number(const QString& text, double& value) {
  bool ok = false;
  const double v = QString(NormaliseLocaleNumber(text)).toDouble(&ok);
  if (!ok || !std::isfinite(v)) return false;
  TDateTime date = 0;
  if (ParseLocaleDateTime(text, date)) return false;
  value = v;
  return true;
}

// -1, 0 or 1 as the cell text T is below, equal to or above the value V.
int32_t Compare_Values(const QString& t, const QString& v) {
  double tn = 0, vn = 0;
  if (Read_Number(t, tn) && Read_Number(v, vn)) return tn < vn ? -1 : (tn > vn ? 1 : 0);
  TDateTime td = 0, vd = 0;
  if (ParseLocaleDateTime(v, vd) && ParseLocaleDateTime(t, td)) return td < vd ? -1 : (td > vd ? 1 : 0);
  const int c = QStringView(t).left(Max_Compare_Length).compare(QStringView(v).left(Max_Compare_Length));
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// The value after a comparison sign or "!": up to a blank or an "&"/"|" outside quotes; quotes around it dropped.
// A blank inside quotes belongs to the value, so ">"New York"" compares with the whole name.
QString Read_Compare_Value(QStringView p, qsizetype pos) {
  while (pos < p.size() && p[pos] == u' ') ++pos;
  bool quoted = false;
  if (pos < p.size() && p[pos] == u'"') {
    quoted = true;
    ++pos;
  }
  QString value;
  for (; pos < p.size() && value.size() < Max_Compare_Length; ++pos) {
    const QChar c = p[pos];
    if (c == u'"') quoted = !quoted;
    if (!quoted && (c == u' ' || c == u'&' || c == u'|')) break;
    value += c;
  }
  if (value.endsWith(u'"')) value.chop(1);
  return value;
}

// One condition against one text. A "*" tries the rest of the condition, as a whole condition, against every
// suffix of the text; the outcomes are remembered per (rest, suffix), which keeps many stars polynomial.
class TConditionMatcher {
 public:
  TConditionMatcher(const QString& p, const QString& t) : P(p), T(t) {}
  bool Match(qsizetype pFrom, qsizetype tFrom) {
    const uint64_t key = (uint64_t(pFrom) << 32) | uint64_t(tFrom);
    if (auto it = Memo.find(key); it != Memo.end()) return it->second;
    const bool result = Match_Uncached(QStringView(P).mid(pFrom), pFrom, tFrom);
    Memo.emplace(key, result);
    return result;
  }

 private:
  bool Match_Uncached(QStringView p, qsizetype pFrom, qsizetype tFrom) {
    const QStringView t = QStringView(T).mid(tFrom);
    bool greater = true, less = true, hasGreater = false, hasLess = false;
    const qsizetype gt = p.indexOf(u'>');
    const qsizetype lt = p.indexOf(u'<');
    if (gt >= 0) {
      const bool orEqual = gt + 1 < p.size() && p[gt + 1] == u'=';
      const int32_t c = Compare_Values(t.toString(), Read_Compare_Value(p, gt + 1 + (orEqual ? 1 : 0)));
      greater = orEqual ? c >= 0 : c > 0;
      hasGreater = true;
    }
    if (lt >= 0) {
      const bool orEqual = lt + 1 < p.size() && p[lt + 1] == u'=';
      const int32_t c = Compare_Values(t.toString(), Read_Compare_Value(p, lt + 1 + (orEqual ? 1 : 0)));
      less = orEqual ? c <= 0 : c < 0;
      hasLess = true;
    }
    if (p.contains(u'!')) {
      if (gt < 0) hasGreater = true;
      if (lt < 0) hasLess = true;
    }
    if (p.contains(u'^') && (hasGreater || hasLess)) return less || greater;
    if (p.contains(u'&') && hasGreater && hasLess) return less && greater;
    if (gt >= 0 && greater) return true;
    if (lt >= 0 && less) return true;
    return Wildcard(p, pFrom, t, tFrom);
  }

  bool Wildcard(QStringView p, qsizetype pFrom, QStringView t, qsizetype tFrom) {
    bool negate = false;
    qsizetype i = 0, j = 0;
    bool match = true;
    while (match && (i < p.size() || j < t.size())) {
      if (i >= p.size()) {
        match = false;
        break;
      }
      const QChar c = p[i];
      if (c == u'!') {
        negate = true;
        ++i;
      } else if (c == u'"') {
        ++i;
      } else if (c == u'*') {
        while (i < p.size() && p[i] == u'*') ++i;
        const qsizetype remaining = t.size() - j;
        for (qsizetype k = 0; k <= remaining; ++k) {
          if (Match(pFrom + i, tFrom + t.size() - k)) return !negate;
        }
        match = false;
      } else if (c == u'?') {
        if (j >= t.size()) {
          match = false;
        } else {
          ++i;
          ++j;
        }
      } else if (j < t.size() && t[j] == c) {
        ++i;
        ++j;
      } else {
        match = false;
      }
    }
    return negate ? !match : match;
  }

  const QString& P;
  const QString& T;
  std::unordered_map<uint64_t, bool> Memo;
};

void Combine(bool& result, QChar op, bool d) {
  if (op.isNull())
    result = d;
  else if (op == u'&')
    result = result && d;
  else if (op == u'|' || op == u';' || op == u'^')
    result = result || d;
}

bool Match_Expression(const QString& expression, const QString& cellText, bool caseSensitive, int32_t depth) {
  QString e = RemoveBlanksOutsideQuotes(expression.trimmed());
  if (e.startsWith(u'=')) e.remove(0, 1);
  if (depth > Max_Group_Depth) return MatchFilterToken(e, cellText, caseSensitive);
  static const QString operators = QStringLiteral("(;^&|");
  bool result = true;
  QChar op;
  int32_t k = 0;
  for (QChar c = FindFilterOperator(operators, e, k); k > 0; c = FindFilterOperator(operators, e, k)) {
    bool d = false;
    if (e.startsWith(u'(')) {
      const int32_t j = MatchingParenPos(e);
      if (j == 0) {
        // No closing parenthesis: everything after the "(" is the group.
        d = Match_Expression(e.mid(1), cellText, caseSensitive, depth + 1);
        e.clear();
      } else {
        d = Match_Expression(e.mid(1, j - 2), cellText, caseSensitive, depth + 1);
        e.remove(0, j);
      }
    } else {
      d = MatchFilterToken(e.left(k - 1), cellText, caseSensitive);
      e.remove(0, k);
    }
    Combine(result, op, d);
    op = c;
  }
  Combine(result, op, MatchFilterToken(e, cellText, caseSensitive));
  return result;
}
}  // namespace

bool MatchFilterCondition(const QString& condition, const QString& cellText) {
  TConditionMatcher matcher(condition, cellText);
  return matcher.Match(0, 0);
}

bool MatchFilterToken(const QString& condition, const QString& cellText, bool caseSensitive) {
  if (caseSensitive) return MatchFilterCondition(condition, cellText);
  return MatchFilterCondition(condition.toUpper(), cellText.toUpper());
}

bool MatchFilterExpression(const QString& expression, const QString& cellText, bool caseSensitive) {
  return Match_Expression(expression, cellText, caseSensitive, 0);
}

QString RemoveBlanksOutsideQuotes(const QString& text) {
  QString r;
  r.reserve(text.size());
  bool quoted = false;
  for (QChar c : text) {
    if (c == u'"') quoted = !quoted;
    if (c == u' ' && !quoted) continue;
    r += c;
  }
  return r;
}

QChar FindFilterOperator(const QString& operators, const QString& text, int32_t& position) {
  bool quoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'"') quoted = !quoted;
    if (!quoted && operators.contains(c)) {
      position = int32_t(i) + 1;
      return c;
    }
  }
  position = -1;
  return QChar();
}

int32_t MatchingParenPos(const QString& text) {
  int32_t open = 0, close = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'(') ++open;
    if (text[i] == u')') {
      ++close;
      if (open == close) return int32_t(i) + 1;
    }
  }
  return 0;
}

QString NormaliseLocaleNumber(const QString& text) {
  const QChar decimal = LocaleDecimalSeparator();
  const QChar thousand = LocaleThousandSeparator();
  QString r;
  r.reserve(text.size());
  for (QChar c : text) {
    if (c == decimal)
      r += u'.';
    else if (c != thousand)
      r += c;
  }
  return r;
}
