// The grid window following the size of the form it sits in.
#include <QResizeEvent>

#include "UGridView.h"

void TGridView::Watch_Form() {
  QWidget* form = window();
  if (form == FWatchedForm) return;
  if (FWatchedForm) FWatchedForm->removeEventFilter(this);
  FWatchedForm = form == this ? nullptr : form;
  if (FWatchedForm) FWatchedForm->installEventFilter(this);
}

void TGridView::Form_Resized(const QResizeEvent& e) {
  if (!FAdvanced || !FAdvanced->SizeWithForm) return;
  const QSize before = e.oldSize();
  // The form's first size is no change to follow.
  if (!before.isValid()) return;
  const int32_t width = this->width() + e.size().width() - before.width();
  const int32_t height = this->height() + e.size().height() - before.height();
  if (width > 0 && height > 0) resize(width, height);
}
