#pragma once
// One collapsible section of a TCategoryPanelGroup: a header that collapses and expands the panel on a click,
// and a client area below it that holds the panel's controls at fixed positions.
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

class TCategoryPanelGroup;

class TCategoryPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TCategoryPanel(TCategoryPanelGroup* group);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& value);
  bool Collapsed() const { return FCollapsed; }
  void SetCollapsed(bool value);
  void Collapse() { SetCollapsed(true); }
  void Expand() { SetCollapsed(false); }
  // The expanded height, header included; a collapsed panel shows only its header.
  int32_t Panel_Height() const { return FPanel_Height; }
  void SetPanel_Height(int32_t value);
  // The position the group stacks the panel at; changing it moves the panel among its neighbours.
  int32_t Top() const { return FTop; }
  void SetTop(int32_t value);
  int32_t Tab_Order() const { return FTab_Order; }
  void SetTab_Order(int32_t value) { FTab_Order = value; }
  // The parent of the panel's controls; positions are relative to it (below the header).
  QWidget* Client() const { return FClient; }
  TCategoryPanelGroup* Group() const { return FGroup; }
  bool Chevron_Hot() const { return FChevron_Hot; }

  void setVisible(bool visible) override;

  std::function<void()> OnExpand;
  std::function<void()> OnCollapse;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  friend class TCategoryPanelGroup;
  void Set_Stack_Top(int32_t value) { FTop = value; }
  void Set_Chevron_Hot(bool value);

  TCategoryPanelGroup* FGroup;
  QWidget* FClient;
  QString FCaption;
  bool FCollapsed = false;
  bool FChevron_Hot = false;
  int32_t FPanel_Height = 200;
  int32_t FTop = 0;
  int32_t FTab_Order = 0;
};
