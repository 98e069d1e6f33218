// RAII owners of GDI and USER handles. Each owner frees its handle with the
// call that matches how the handle was obtained.
#pragma once

#include <windows.h>

#include <utility>

namespace lanvero::framework {

// GDI handles currently held by the owners below, for leak tests: the
// platform's own object counts are not available everywhere (Wine answers
// 0), and every GDI object of the program lives in one of these owners.
inline int& LiveGdiHandles() {
  static int count = 0;
  return count;
}

// Handles freed with DeleteObject: bitmaps, brushes, fonts, pens, regions.
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {
    if (handle_) ++LiveGdiHandles();
  }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);  // already counted
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives up ownership, for handles handed to the platform (a window region).
  Handle Release() {
    if (handle_) --LiveGdiHandles();
    return std::exchange(handle_, nullptr);
  }
  void Reset(Handle handle = nullptr) {
    if (handle_) {
      DeleteObject(handle_);
      --LiveGdiHandles();
    }
    handle_ = handle;
    if (handle_) ++LiveGdiHandles();
  }

 private:
  Handle handle_ = nullptr;
};

using UniqueBitmap = GdiObject<HBITMAP>;
using UniqueBrush = GdiObject<HBRUSH>;
using UniqueFont = GdiObject<HFONT>;
using UniquePen = GdiObject<HPEN>;
using UniqueRegion = GdiObject<HRGN>;

// A memory or other created device context, freed with DeleteDC.
class UniqueDC {
 public:
  UniqueDC() = default;
  explicit UniqueDC(HDC dc) : dc_(dc) {
    if (dc_) ++LiveGdiHandles();
  }
  UniqueDC(UniqueDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
  UniqueDC& operator=(UniqueDC&& other) noexcept {
    if (this != &other) {
      Reset();
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  UniqueDC(const UniqueDC&) = delete;
  UniqueDC& operator=(const UniqueDC&) = delete;
  ~UniqueDC() { Reset(); }

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  void Reset() {
    if (dc_) {
      DeleteDC(dc_);
      --LiveGdiHandles();
    }
    dc_ = nullptr;
  }

 private:
  HDC dc_ = nullptr;
};

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

// A menu made with CreateMenu or CreatePopupMenu and not given to a window,
// freed with DestroyMenu (its sub-menus with it). Menus are USER objects,
// not counted with the GDI handles.
// An icon made by CopyImage or CreateIcon*, freed with DestroyIcon.
class UniqueIcon {
 public:
  explicit UniqueIcon(HICON icon) : icon_(icon) {}
  UniqueIcon(const UniqueIcon&) = delete;
  UniqueIcon& operator=(const UniqueIcon&) = delete;
  ~UniqueIcon() {
    if (icon_) DestroyIcon(icon_);
  }
  HICON Get() const { return icon_; }
  explicit operator bool() const { return icon_ != nullptr; }

 private:
  HICON icon_;
};

class UniqueMenu {
 public:
  UniqueMenu() = default;
  explicit UniqueMenu(HMENU menu) : menu_(menu) {}
  UniqueMenu(UniqueMenu&& other) noexcept : menu_(std::exchange(other.menu_, nullptr)) {}
  UniqueMenu& operator=(UniqueMenu&& other) noexcept {
    if (this != &other) {
      Reset();
      menu_ = std::exchange(other.menu_, nullptr);
    }
    return *this;
  }
  UniqueMenu(const UniqueMenu&) = delete;
  UniqueMenu& operator=(const UniqueMenu&) = delete;
  ~UniqueMenu() { Reset(); }

  HMENU Get() const { return menu_; }
  explicit operator bool() const { return menu_ != nullptr; }
  // Gives up ownership, for a sub-menu handed to the menu it is put in.
  HMENU Release() { return std::exchange(menu_, nullptr); }
  void Reset() {
    if (menu_) DestroyMenu(menu_);
    menu_ = nullptr;
  }

 private:
  HMENU menu_ = nullptr;
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
