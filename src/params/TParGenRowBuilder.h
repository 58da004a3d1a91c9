#pragma once
// Creates the rows of one category panel at the window's fixed geometry (rows 28 pixels apart, captions at x 14,
// inputs at x 191) and records, for Set_Lang, the text of each caption, hint and list entry under consecutive
// string IDs: a panel's block follows its caption's ID in layout order.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QTextEdit;
class QWidget;
class TCategoryPanel;
class TOctetBox;

enum class TLangTarget { Caption, Hint, List_Item };

struct TLangEntry {
  int32_t Id;
  QWidget* Control;
  TLangTarget Target;
};

// One row of a panel: its head (caption label or check box), its inputs and the "." labels between octets.
struct TParRow {
  QWidget* Head = nullptr;
  std::vector<QWidget*> Inputs;
  std::vector<QLabel*> Dots;
};

// What the builders hand to the window: the texts of Set_Lang and the rows the re-layout moves.
struct TParGenBook {
  std::vector<TLangEntry> Lang;
  std::map<const QWidget*, TParRow> Rows;
  // Every text box and pick list reports its changes here, every check box its clicks.
  std::function<void(QObject*)> On_Change;
  std::function<void(QObject*)> On_Click;
};

using TOctetRefs = std::array<TOctetBox**, 4>;

inline TOctetRefs Octet_Refs(std::array<TOctetBox*, 4>& boxes) {
  return {&boxes[0], &boxes[1], &boxes[2], &boxes[3]};
}

class TParGenRowBuilder {
 public:
  static constexpr int32_t Row_Pitch = 28;
  static constexpr int32_t First_Input_Top = 9;
  static constexpr int32_t Caption_Left = 14;
  static constexpr int32_t Input_Left = 191;
  static constexpr int32_t Input_Width = 238;
  static constexpr int32_t Text_Height = 21;
  static constexpr int32_t List_Height = 22;
  static constexpr int32_t Check_Height = 17;
  static constexpr std::array<int32_t, 4> Octet_Left{191, 252, 313, 374};
  static constexpr std::array<int32_t, 3> Dot_Left{247, 308, 369};
  static constexpr int32_t Octet_Width = 55;

  // first_id: the ID right after the panel's caption ID.
  TParGenRowBuilder(TCategoryPanel* panel, int32_t first_id, TParGenBook& book);

  // The input top of the next row; Set_Top moves it (the rows after follow at the pitch).
  int32_t Top() const { return FTop; }
  void Set_Top(int32_t top) { FTop = top; }
  // The next row records no texts (it keeps its laid-out ones in every language).
  void Without_Texts() { FNo_Texts = true; }

  QLineEdit* Text(QLabel*& label, QLineEdit*& edit, const QString& caption, const QString& text = QString(),
                  int32_t max_length = 0, int32_t left = Input_Left, int32_t width = Input_Width);
  QComboBox* List(QLabel*& label, QComboBox*& list, const QString& caption, const QStringList& items, int32_t index,
                  bool items_from_texts = false);
  QTextEdit* Rich(QLabel*& label, QTextEdit*& edit, const QString& caption);
  void Address(QLabel*& label, const TOctetRefs& boxes, const QString& caption, const QString& address);
  void Check_Address(QCheckBox*& check, const TOctetRefs& boxes, const QString& caption, const QString& address);
  QCheckBox* Check(QCheckBox*& check, const QString& caption);
  // A check box with a text box beside it in the same row.
  void Check_Text(QCheckBox*& check, int32_t check_width, QLineEdit*& edit, int32_t left, int32_t width,
                  const QString& caption, const QString& text);
  // A caption with a row of small check boxes whose captions stay as laid out; each gets a hint.
  void Check_Group(QLabel*& label, const std::vector<QCheckBox**>& checks, const QString& caption,
                   const QStringList& check_captions);
  QLabel* Heading(QLabel*& label, const QString& caption);
  // A text box at its own geometry, outside the row pattern, with no texts of its own.
  QLineEdit* Loose_Text(QLineEdit*& edit, int32_t left, int32_t top, int32_t width);

  // Sets the panel's laid-out height: the bottom of its lowest control plus the margin and the header.
  void Finish();

 private:
  QLabel* Make_Label(const QString& caption, int32_t left, int32_t top);
  QLineEdit* Make_Edit(int32_t left, int32_t top, int32_t width, const QString& text);
  void Make_Octets(const TOctetRefs& boxes, const QString& address, int32_t top, TParRow& row);
  void Caption_Text(QWidget* control);
  void Hint_Text(QWidget* control);
  void Next_Row(TParRow row);
  void Watch_Check(QCheckBox* check);

  TCategoryPanel* FPanel;
  QWidget* FClient;
  TParGenBook& FBook;
  int32_t FNext_Id;
  int32_t FTop = First_Input_Top;
  bool FNo_Texts = false;
};
