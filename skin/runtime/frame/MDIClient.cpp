// An MDI frame's client window: the frame skinner hooks it to keep the
// menu bar, the merged buttons of a maximised child and the tracker's
// MDIMax in step with what the client does to its children, and to redraw
// the whole frame when the children change (WM_SKINREDRAWFRAME).
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/menus/MenuBar.h"
#include "skin/runtime/tracking/SkinManager.h"

namespace lanvero {
namespace {

constexpr UINT kRedrawWholeFrame = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;

// Messages after which the frame's menu band shows other merged buttons.
bool ChangesActiveChild(UINT msg) {
  return msg == WM_MDIACTIVATE || msg == WM_MDIRESTORE || msg == WM_MDIMAXIMIZE || msg == WM_MDINEXT;
}

}  // namespace

void TWinSkinForm::SubclassClient() {
  if (!ClientHwnd || clientSubclassed_) return;
  menuauto = fsd->MenuUpdate();
  clientSubclassed_ = AttachSubclass(ClientHwnd, *this);
}

void TWinSkinForm::UnsubclassClient() {
  if (!clientSubclassed_) return;
  DetachSubclass(ClientHwnd, *this);
  clientSubclassed_ = false;
}

LRESULT TWinSkinForm::ClientWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND client = ClientHwnd;
  switch (msg) {
    case WM_NCDESTROY: {
      const LRESULT result = CallNextProc(client, msg, wParam, lParam);
      UnsubclassClient();
      return result;
    }
    case WM_NCCALCSIZE:
      if (sMainMenu && !(fsd->Options() & SetOf(xoMDIScrollbar))) {
        const LONG_PTR style = GetWindowLongPtrW(client, GWL_STYLE);
        SetWindowLongPtrW(client, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL));
      }
      break;
    case WM_MDICREATE: fsd->SetMenuUpdate(false); break;
    case WM_MDIDESTROY: {
      const LRESULT result = CallNextProc(client, msg, wParam, lParam);
      if (!sMainMenu) return result;
      SkinManager().SetMDIMax(MDIChildMax());
      if (!SendMessageW(client, WM_MDIGETACTIVE, 0, 0) && menu) {
        fsd->SetMenuUpdate(menuauto);
        menu->UpdataBtn();
      }
      PostMessageW(client, WM_SKINREDRAWFRAME, reinterpret_cast<WPARAM>(Hwnd), 0);
      return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (sMainMenu && SkinManager().MDIMax) SkinManager().SetMDIMax(false);
      break;
    case WM_MDISETMENU: {
      const LRESULT result = CallNextProc(client, msg, wParam, lParam);
      if (!sMainMenu) return result;
      if (wParam && menu) menu->UpdataBtn2(reinterpret_cast<HMENU>(wParam));
      SetMenu(Hwnd, nullptr);
      return result;
    }
    case WM_SKINREDRAWFRAME: RedrawWindow(Hwnd, nullptr, nullptr, kRedrawWholeFrame); return 0;
    default:
      if (!ChangesActiveChild(msg)) break;
      {
        const LRESULT result = CallNextProc(client, msg, wParam, lParam);
        if (sMainMenu) PostMessageW(client, WM_SKINREDRAWFRAME, reinterpret_cast<WPARAM>(Hwnd), 0);
        return result;
      }
  }
  return CallNextProc(client, msg, wParam, lParam);
}

}  // namespace lanvero
