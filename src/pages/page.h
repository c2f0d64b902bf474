#pragma once
// A group of controls of the main window created from one table: the page creates them once,
// moves them with its group's content origin, shows and hides them with the group, and is asked
// first about the notifications of its own ids.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "lang/language_table.h"
#include "pages/control_row.h"
#include "pages/page_host.h"
#include "profile/profile_record.h"
#include "skin/control_base.h"
#include "skin/dpi_levels.h"
#include "skin/radio_options.h"
#include "skin/skin_context.h"

namespace pelorin {

// What a page needs to create its controls; the dialog owns what `add` is given.
struct PageEnv {
  const SkinContext& skin;
  WindowId parent;
  const LanguageTable& texts;
  RadioOptions& options;
  DpiLevels& levels;
  std::function<CControlBase*(std::unique_ptr<CControlBase>)> add;
  // What the page's handlers change; none in tests that only look at the controls.
  PageHost* host = nullptr;
};

class Page {
 public:
  // designOrigin: the content origin the table's rectangles are written against.
  explicit Page(std::span<const ControlRow> table, Point designOrigin = {});
  virtual ~Page() = default;
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;

  void create(PageEnv& env);
  // Moves every control so that the design origin lands on `origin` (design pixels).
  void place(Point origin, float scale);
  // A page whose controls depend on its values shows only those that apply.
  virtual void setShown(bool shown);
  bool shown() const { return shown_; }

  // After a change of language: every table caption again from the texts, and the controls in
  // the old interface font take the new one.
  void relabel(const Font& oldFont, const Font& newFont);
  // Fills the controls from the profile. A control that cannot show a stored value exactly
  // shows the nearest; the stored value stays until the user moves the control.
  virtual void refresh(const ProfileRecord&) {}
  // True when the page handled the notification of one of its controls.
  virtual bool onNotify(int, int, std::intptr_t) { return false; }
  // The page's own one-shot timers of the main window (1 to 8, 20, 50).
  virtual bool onTimer(int) { return false; }

  std::span<const ControlRow> table() const { return table_; }
  const std::vector<CControlBase*>& controls() const { return controls_; }
  CControlBase* control(int id) const;

 protected:
  // After the controls exist: ranges and other settings the table cannot hold.
  virtual void created() {}
  // The language of the captions; valid once the page is created.
  const LanguageTable& texts() const { return *texts_; }
  // Null when the page was created without a host.
  PageHost* host() const { return host_; }
  RadioOptions& options() const { return *options_; }
  // The current profile through the host, or null.
  ProfileRecord* profile() const { return host_ != nullptr ? host_->profile() : nullptr; }

 private:
  const LanguageTable* texts_ = nullptr;
  PageHost* host_ = nullptr;
  RadioOptions* options_ = nullptr;
  std::span<const ControlRow> table_;
  Point designOrigin_;
  Point placedAt_{};
  bool shown_ = true;
  std::vector<CControlBase*> controls_;
};

// A control of the table row, its rectangle scaled and truncated to whole pixels.
std::unique_ptr<CControlBase> createControl(const ControlRow& row, PageEnv& env);
Rect scaledRect(const Rect& design, float scale);
Size scaledSize(Size design, float scale);

}  // namespace pelorin
