// RAII owners of GDI and USER handles. Each owner frees its handle with the
// call that matches how the handle was obtained.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace lanvero::framework {

// GDI handles currently held by the owners below, for leak tests: the
// platform's own object counts are not available everywhere (Wine answers
// 0), and every GDI object of the program lives in one of these owners.
inline int& LiveGdiHandles() {
  static int count = 0;
  return count;
}

// Owner of one handle, freed with `Free` (the call that matches how the
// handle was obtained). Counted owners keep LiveGdiHandles up to date:
// GDI objects, device contexts and image lists (which hold GDI bitmaps).
// Menus and icons are USER objects and are not counted.
template <class Handle, auto Free, bool Counted = true>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) { Count(+1); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);  // already counted
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives up ownership, for handles handed to the platform (a window
  // region, a sub-menu put in its menu).
  Handle Release() {
    Count(-1);
    return std::exchange(handle_, nullptr);
  }
  void Reset(Handle handle = nullptr) {
    if (handle_) {
      Free(handle_);
      Count(-1);
    }
    handle_ = handle;
    Count(+1);
  }

 private:
  void Count(int change) const {
    if (Counted && handle_) LiveGdiHandles() += change;
  }

  Handle handle_ = nullptr;
};

// Bitmaps, brushes, fonts, pens and regions, freed with DeleteObject.
template <class Handle>
using GdiObject = UniqueHandle<Handle, &DeleteObject>;

using UniqueBitmap = GdiObject<HBITMAP>;
using UniqueBrush = GdiObject<HBRUSH>;
using UniqueFont = GdiObject<HFONT>;
using UniquePen = GdiObject<HPEN>;
using UniqueRegion = GdiObject<HRGN>;
// A memory or other created device context.
using UniqueDC = UniqueHandle<HDC, &DeleteDC>;
// An image list made by ImageList_Create or ImageList_Duplicate.
using UniqueImageList = UniqueHandle<HIMAGELIST, &ImageList_Destroy>;
// A menu made with CreateMenu or CreatePopupMenu and not given to a window
// (its sub-menus go with it).
using UniqueMenu = UniqueHandle<HMENU, &DestroyMenu, false>;
// An icon made by CopyImage or CreateIcon*.
using UniqueIcon = UniqueHandle<HICON, &DestroyIcon, false>;

// A window's device context from GetDC or GetWindowDC, given back with ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND window, bool wholeWindow = false)
      : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {
    if (dc_) ++LiveGdiHandles();
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) {
      ReleaseDC(window_, dc_);
      --LiveGdiHandles();
    }
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC for the lifetime of the guard.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (old_) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Saves the DC state (clipping, origin, selected objects) and restores it.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;
  ~SavedDC() { RestoreDC(dc_, saved_); }

 private:
  HDC dc_;
  int saved_;
};

}  // namespace lanvero::framework
