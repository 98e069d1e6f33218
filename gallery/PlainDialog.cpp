#include "gallery/PlainDialog.h"

#include <stdexcept>

#include "gallery/PlainDialogIds.h"

namespace lanvero::gallery {
namespace {

// What WM_INITDIALOG receives: whether EndDialog or hiding closes the dialog.
enum class DialogMode : LPARAM { Modal = 1, Modeless = 2 };

void FillControls(HWND dialog) {
  CheckRadioButton(dialog, IDC_PLAIN_SMALL, IDC_PLAIN_LARGE, IDC_PLAIN_SMALL);
  CheckDlgButton(dialog, IDC_PLAIN_REMEMBER, BST_CHECKED);
  SetDlgItemTextW(dialog, IDC_PLAIN_NAME, L"Plain text");
  for (const wchar_t* colour : {L"Red", L"Green", L"Blue"}) {
    SendDlgItemMessageW(dialog, IDC_PLAIN_COLOUR, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(colour));
  }
  SendDlgItemMessageW(dialog, IDC_PLAIN_COLOUR, CB_SETCURSEL, 1, 0);
  for (const wchar_t* item : {L"Alpha", L"Beta", L"Gamma", L"Delta", L"Epsilon", L"Zeta", L"Eta", L"Theta"}) {
    SendDlgItemMessageW(dialog, IDC_PLAIN_ITEMS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  SendDlgItemMessageW(dialog, IDC_PLAIN_ITEMS, LB_SETCURSEL, 2, 0);
  SCROLLINFO volume{sizeof volume, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 40, 0};
  SetScrollInfo(GetDlgItem(dialog, IDC_PLAIN_VOLUME), SB_CTL, &volume, FALSE);
}

// The scroll bar control moves as its arrows and page areas are clicked.
void Scroll(HWND bar, WORD request) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(bar, SB_CTL, &info);
  int position = info.nPos;
  switch (request) {
    case SB_LINELEFT: position -= 1; break;
    case SB_LINERIGHT: position += 1; break;
    case SB_PAGELEFT: position -= static_cast<int>(info.nPage); break;
    case SB_PAGERIGHT: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    default: return;
  }
  info.fMask = SIF_POS;
  info.nPos = position;
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

void Close(HWND dialog, INT_PTR result) {
  if (static_cast<DialogMode>(GetWindowLongPtrW(dialog, DWLP_USER)) == DialogMode::Modal) {
    EndDialog(dialog, result);
  } else {
    ShowWindow(dialog, SW_HIDE);
  }
}

INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      FillControls(dialog);
      return TRUE;
    case WM_HSCROLL: Scroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam)); return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        Close(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default: return FALSE;
  }
}

}  // namespace

INT_PTR RunPlainDialog(HWND owner) {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PLAIN_DIALOG), owner, PlainDialogProc,
                         static_cast<LPARAM>(DialogMode::Modal));
}

ModelessPlainDialog::ModelessPlainDialog(HWND owner)
    : window_(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PLAIN_DIALOG), owner, PlainDialogProc,
                                 static_cast<LPARAM>(DialogMode::Modeless))) {
  if (!window_) throw std::runtime_error("the plain dialog could not be created");
  ShowWindow(window_, SW_SHOW);
}

ModelessPlainDialog::~ModelessPlainDialog() { DestroyWindow(window_); }

}  // namespace lanvero::gallery
