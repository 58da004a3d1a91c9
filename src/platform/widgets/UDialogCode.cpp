#include "UDialogCode.h"

#include <QPlainTextEdit>
#include <QTextEdit>

uint32_t Dialog_Code(const QWidget* control, const QKeyEvent& key) {
  if (!control) return 0;
  if (const auto* answering = dynamic_cast<const TDialogCodeControl*>(control)) return answering->DialogCode(key);
  bool tabMovesFocus = true;
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(control)) {
    tabMovesFocus = plain->tabChangesFocus();
  } else if (const auto* rich = qobject_cast<const QTextEdit*>(control)) {
    tabMovesFocus = rich->tabChangesFocus();
  } else {
    return 0;
  }
  return DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS | (tabMovesFocus ? 0 : DLGC_WANTTAB);
}
