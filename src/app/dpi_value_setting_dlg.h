#pragma once
// Chooses one DPI level's resolution precisely: a slider over the sensor's step table, the arrow
// keys one step at a time, or a typed value taken as the first step not below it. On OK the step
// is written into the level's value display.
#include "lang/language_table.h"
#include "pages/dpi_step_table.h"
#include "skin/dlg_base.h"

namespace pelorin {

class CDPIValueShowControl;
class CSkinEdit;
class CSliderControl;

class CDPIValueSettingDlg final : public CDlgBase {
 public:
  static constexpr Size kDesignSize{429, 140};
  static constexpr int kConfirmed = 1;
  // Control ids.
  static constexpr int kTitle = 2012;
  static constexpr int kExit = 2004;
  static constexpr int kEdit = 2017;
  static constexpr int kLowest = 2014;
  static constexpr int kHighest = 2015;
  static constexpr int kBar = 2020;
  static constexpr int kSlider = 2021;
  static constexpr int kCurrent = 2013;
  static constexpr int kCancelButton = 2011;
  static constexpr int kOk = 2010;

  // display and steps must outlive the dialog.
  CDPIValueSettingDlg(SkinContext& context, const LanguageTable& texts,
                      CDPIValueShowControl& display, const DpiStepTable& steps);

  int step() const { return step_; }

  void onKey(const KeyEvent& key) override;

 protected:
  void onInitDialog() override;
  std::intptr_t handleMessage(const Message& message) override;
  bool onDialogKey(const KeyEvent& key) override;

 private:
  // Moves the slider there and shows the step's resolution in the text and the field.
  void show(int step);
  void commitTyped();
  int lastStep() const { return steps_.stepCount() - 1; }

  const LanguageTable& texts_;
  CDPIValueShowControl& display_;
  const DpiStepTable& steps_;
  int step_ = 0;
  CSkinEdit* edit_ = nullptr;
  CSliderControl* slider_ = nullptr;
};

}  // namespace pelorin
