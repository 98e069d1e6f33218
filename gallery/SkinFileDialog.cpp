#include "gallery/SkinFileDialog.h"

#include <commdlg.h>

namespace lanvero::gallery {

std::wstring AskForSkinFile(HWND owner) {
  wchar_t path[MAX_PATH] = {};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = L"Skin packages (*.skn)\0*.skn\0All files\0*.*\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrTitle = L"Open skin file";
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  return GetOpenFileNameW(&dialog) ? std::wstring(path) : std::wstring();
}

}  // namespace lanvero::gallery
