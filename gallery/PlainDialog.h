// A dialog of plain system controls made from the dialog template
// IDD_PLAIN_DIALOG (push buttons, check box, radio buttons, group box,
// edit, combo box, list box, scroll bar, static text). No framework object
// stands behind it or its controls, so the skin engine meets it only
// through its raw-window path.
#pragma once

#include <windows.h>

namespace lanvero::gallery {

// Runs the dialog modally over `owner`; returns IDOK or IDCANCEL.
INT_PTR RunPlainDialog(HWND owner);

// The same dialog shown modeless, for as long as the object lives (the
// report reads it while the program goes on handling messages).
class ModelessPlainDialog {
 public:
  explicit ModelessPlainDialog(HWND owner);
  ~ModelessPlainDialog();
  ModelessPlainDialog(const ModelessPlainDialog&) = delete;
  ModelessPlainDialog& operator=(const ModelessPlainDialog&) = delete;

  HWND Handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace lanvero::gallery
