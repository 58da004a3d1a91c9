#pragma once
// The options window: language picker over the language files present, the internet options with an immediate
// version check, and two behaviours of the table windows. The version check is also run by the main window's
// timer.
#include <QLabel>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

#include "UDialogFrame.h"

class QCheckBox;
class QTabWidget;

class TFSoftOptions : public TFDialogFrame {
 public:
  static constexpr int Client_Width = 509;
  static constexpr int Client_Height = 373;
  static constexpr int32_t Slots_Per_Page = 6;

  explicit TFSoftOptions(QWidget* parent = nullptr);

  void Set_Lang() override;
  // True when the version service offers a version newer than this program's; every failure counts as no.
  bool Check_Version();
  // "VER. 1.010" -> 1010; -1 when the text after the first blank is not one digit, a point and three digits.
  static int32_t Conv_Version(const QString& Ver_str);

  QTabWidget* PC_Options = nullptr;
  QWidget* TS_Language = nullptr;
  QWidget* TS_Con_Options = nullptr;
  QWidget* TS_Soft_Settings = nullptr;

  QLabel* L_Sel_Lang = nullptr;
  // Slot k (1..6) is I_L[k - 1] (the flag picture) with L_L[k - 1] (the language name).
  std::array<QLabel*, Slots_Per_Page> I_L{};
  std::array<QLabel*, Slots_Per_Page> L_L{};
  TLbButton* Btn_Prev = nullptr;
  TLbButton* Btn_Next = nullptr;
  QLabel* L_Page_Lang = nullptr;

  QCheckBox* CB_En_Con = nullptr;
  QCheckBox* CB_Update = nullptr;
  TLbButton* Btn_Check_Update = nullptr;
  QLabel* LL_Check_Update = nullptr;

  QCheckBox* CB_Soft_Set_Jump_Table = nullptr;
  QCheckBox* CB_DoubleClick_Auto_Size = nullptr;

  int32_t Show_Page = 1;
  QStringList SL_Languages;
  QString Language_In_Use;

  // The main window sits in a library above this one; the start-up plugs these in once both windows exist.
  // Re-applies the texts of every window after the string table was reloaded (this window included); unset, this
  // window re-applies only its own.
  std::function<void()> On_Change_Language;
  // Turns the main window's version-check timer on or off.
  std::function<void(bool on)> On_Enable_Timer_Update;

  void Create_Lang_List();
  void Update_Lang_Page(int32_t Num_Page);
  void Btn_NextClick(TLbButton* Sender);
  // Slot is 1..6, as the pictures and labels are numbered.
  void LangClick(int32_t Slot);
  void CB_En_ConClick();
  void Update_CheckBox();
  void Btn_Check_UpdateClick();
  void LL_Check_UpdateLinkClick(const QString& Link);

 protected:
  void FormShow() override;
  void Btn_OKClick() override;

 private:
  enum class TCheckResult { None, Newer, Not_Newer };

  void Create_Language_Page();
  void Create_Connection_Page();
  void Create_Settings_Page();
  int32_t Page_Count() const;
  void Show_Check_Result();

  TCheckResult FCheck_Result = TCheckResult::None;
};

inline TFSoftOptions* FSoftOptions = nullptr;
