#pragma once
// The settings of the bars at the top (header) and bottom (footer) of a drop-down editor's popup, with the
// definitions of the small buttons they carry. The grid's control look keeps one pair and each drop-down editor
// its own, copied from the grid's when the grid opens it; the bars painted in the popup work on copies of their
// own. Widget-free, so that the grid's model and the drop-down controls share them.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "UCanvasTools.h"
#include "UCollection.h"
#include "UTypes.h"

enum TGradientDirection { gdHorizontal, gdVertical };
// The side of the bar from which its buttons are laid out.
enum TButtonAlignment { baLeft, baRight };

// One button of a header bar. Caption, Enabled and Width report a change to their collection (the open popup
// rebuilds its buttons); Height and ImageIndex are only read when the buttons are next built.
class THeaderButton : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  void Assign(const TCollectionItem& source) override;

  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& value);
  int32_t ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t value) { FImageIndex = value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  // 0: the button takes the size of its content.
  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t value);
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t value) { FHeight = value; }

 private:
  template <class T>
  void Report(T& field, const T& value);

  QString FCaption;
  int32_t FImageIndex = -1;
  bool FEnabled = true;
  int32_t FWidth = 0;
  int32_t FHeight = 0;
};

// A footer button may close the popup with its modal result; the result is read only when the button is clicked.
class TFooterButton : public THeaderButton {
 public:
  using THeaderButton::THeaderButton;
  void Assign(const TCollectionItem& source) override;

  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }

 private:
  TModalResult FModalResult = mrNone;
};

template <class TItem>
class TBarButtons : public TCollection {
 public:
  TItem* Add() { return static_cast<TItem*>(AddItem()); }
  TItem* Insert(int32_t index) { return static_cast<TItem*>(InsertItem(index)); }
  // Out-of-range indexes raise EListError.
  TItem* GetItem(int32_t index) const { return static_cast<TItem*>(Item(index)); }
  void SetItem(int32_t index, const TItem& value) { GetItem(index)->Assign(value); }

  // Runs when an item reports a change; adding, removing and moving items stay silent, since the popup builds
  // its buttons afresh each time it opens.
  std::function<void()> OnChange;
  void Update(TCollectionItem* item) override {
    if (item && OnChange) OnChange();
  }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() override { return std::make_unique<TItem>(this); }
};

using THeaderButtons = TBarButtons<THeaderButton>;
using TFooterButtons = TBarButtons<TFooterButton>;

// What the header and the footer have in common. Copies carry the settings only: each object keeps its own
// OnChange and OnButtonsChanged, so copying one drop-down's bars into another never wires the second to the first.
template <class TButtons>
class TBarAppearance {
 public:
  TBarAppearance() { WireButtons(); }
  TBarAppearance(const TBarAppearance& source) : TBarAppearance() { CopyBar(source); }

  TColor Color() const { return FColor; }
  void SetColor(TColor value) { FColor = value; }
  // clNone: the bar is filled flat in Color.
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor value) { FColorTo = value; }
  // Markup text.
  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& value) { FCaption = value; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& value) { FFont.Assign(value); }
  TGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TGradientDirection value) { FGradientDirection = value; }
  bool Visible() const { return FVisible; }
  // The only setting whose change is announced (OnChange): the open popup shows or hides the bar at once.
  void SetVisible(bool value) {
    if (value == FVisible) return;
    FVisible = value;
    if (OnChange) OnChange();
  }
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t value) { FHeight = value; }
  // clNone, or a width of 0 or less: no border.
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor value) { FBorderColor = value; }
  int32_t BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int32_t value) { FBorderWidth = value; }
  // An image of the drop-down's image list before the caption; -1: none.
  int32_t ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t value) { FImageIndex = value; }
  TButtons& Buttons() { return FButtons; }
  const TButtons& Buttons() const { return FButtons; }
  void SetButtons(const TButtons& value) { FButtons.Assign(value); }
  TButtonAlignment ButtonAlignment() const { return FButtonAlignment; }
  void SetButtonAlignment(TButtonAlignment value) { FButtonAlignment = value; }

  // Takes only the colours and the font, as a style does.
  void AssignColors(const TBarAppearance& source) {
    FColor = source.FColor;
    FColorTo = source.FColorTo;
    FBorderColor = source.FBorderColor;
    SetFont(source.FFont);
    FGradientDirection = source.FGradientDirection;
  }

  std::function<void()> OnChange;
  // An item of Buttons reported a change.
  std::function<void()> OnButtonsChanged;

 protected:
  ~TBarAppearance() = default;
  TBarAppearance& operator=(const TBarAppearance&) = delete;

  // Every setting; Visible through its setter, so a change is announced.
  void CopyBar(const TBarAppearance& source) {
    AssignColors(source);
    FCaption = source.FCaption;
    FImageIndex = source.FImageIndex;
    FBorderWidth = source.FBorderWidth;
    FHeight = source.FHeight;
    SetVisible(source.FVisible);
    FButtonAlignment = source.FButtonAlignment;
    SetButtons(source.FButtons);
  }

 private:
  void WireButtons() {
    FButtons.OnChange = [this] {
      if (OnButtonsChanged) OnButtonsChanged();
    };
  }

  TColor FColor = 0xC0C0C0;
  TColor FColorTo = 0xFFFFFF;
  QString FCaption;
  TFont FFont;
  TGradientDirection FGradientDirection = gdVertical;
  bool FVisible = true;
  int32_t FHeight = 22;
  TColor FBorderColor = 0x000000;
  int32_t FBorderWidth = 1;
  int32_t FImageIndex = -1;
  TButtons FButtons;
  TButtonAlignment FButtonAlignment = baRight;
};

class THeaderAppearance : public TBarAppearance<THeaderButtons> {
 public:
  THeaderAppearance();
  THeaderAppearance(const THeaderAppearance& source) = default;
  THeaderAppearance& operator=(const THeaderAppearance& source) {
    Assign(source);
    return *this;
  }
  void Assign(const THeaderAppearance& source);
};

// The footer keeps the platform's default font (the header names its own).
class TFooterAppearance : public TBarAppearance<TFooterButtons> {
 public:
  TFooterAppearance() = default;
  TFooterAppearance(const TFooterAppearance& source) : TBarAppearance(source), FSizeGrip(source.FSizeGrip) {}
  TFooterAppearance& operator=(const TFooterAppearance& source) {
    Assign(source);
    return *this;
  }
  void Assign(const TFooterAppearance& source);

  // A grip to resize the popup, shown only when the drop-down is sizeable.
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool value) { FSizeGrip = value; }

 private:
  bool FSizeGrip = true;
};
