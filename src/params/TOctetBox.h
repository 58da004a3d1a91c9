#pragma once
// One octet of an IPv4 address, mask, gateway or DNS server. Four boxes make an address; a full stop typed in a
// box moves the focus to the next box of the chain (when that box can take it) and is never inserted, so the user
// can type an address the way it is written.
//
// Use: create the boxes, link each to the one after it with SetNext_Octet (the chain may run on into the next
// address of the same panel), leave the last box's link empty.
#include <QLineEdit>

class TOctetBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit TOctetBox(QWidget* parent = nullptr);

  TOctetBox* Next_Octet() const { return FNext; }
  void SetNext_Octet(TOctetBox* next) { FNext = next; }

  // Links the boxes in the order given: each one's next is the box after it; the last keeps its link.
  static void Link_Chain(std::initializer_list<TOctetBox*> boxes);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TOctetBox* FNext = nullptr;
};
