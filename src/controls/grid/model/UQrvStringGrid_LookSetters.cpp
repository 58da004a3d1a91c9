// What the look settings do when they are written: most repaint, some only when what they change is shown, and a
// few act on other settings (the rich-text drag switch on every grid of the process). The settings read and write
// as plain fields; their reactions are wired here once.
#include <initializer_list>

#include "UGridDragFormats.h"
#include "UQrvStringGrid.h"
#include "URenderMarkup.h"

void TQrvStringGrid::WireLookSetters() {
  const auto repaint = [this] { Invalidate(); };
  // The border is drawn with the window's frame, which a whole repaint includes.
  for (TChangeNotice* n : {&SelectionColor.OnChange, &SelectionColorTo.OnChange, &SelectionMirrorColor.OnChange,
                           &SelectionMirrorColorTo.OnChange, &SelectionTextColor.OnChange,
                           &SelectionColorMixer.OnChange, &SelectionRectangle.OnChange, &SelectionResizer.OnChange,
                           &URLShow.OnChange, &URLShowInText.OnChange, &BorderColor.OnChange})
    n->Fn = repaint;
  BackGround.SetOnChange(repaint);
  // The link colour and the shown scheme matter only while links are shown.
  URLColor.OnChange.Fn = URLFull.OnChange.Fn = [this] {
    if (URLShow) Invalidate();
  };
  Flat.OnChange.Fn = [this] {
    if (!IsLoading()) Invalidate();
  };
  VAlignment.OnChange.Fn = [this] {
    if (!LockUpdate()) Invalidate();
  };
  // Highlighted markup text is drawn by the shared markup renderer, which keeps one pair of colours.
  HighlightColor.OnChange.Fn = HighlightTextColor.OnChange.Fn = [this] {
    SetMarkupHighlightColors(HighlightColor, HighlightTextColor);
    Invalidate();
  };
  // The arrows are the window's; the grid keeps the colour for arrows made later.
  ArrowColor.OnChange.Fn = [this] {
    if (Host()) Host()->SetMoveArrowColor(ArrowColor);
  };
  AutoSize.OnChange.Fn = [this] {
    if (AutoSize && !IsLoading()) AutoSizeColumns(false, 10);
  };
  DragDropSettings.OleDropRTF.OnChange.Fn = [this] { SetDropRtfAllowed(DragDropSettings.OleDropRTF); };
  SpreadSheet.OnChange.Fn = [this] {
    SelectionRectangle = true;
    SelectionResizer = true;
    Navigation().SetAllowSmartClipboard(true);
    SetOptions(Options() | goRangeSelect | goEditing);
    MouseActions().SetRangeSelectAndEdit(true);
  };
}
