// A list of equally sized images behind a system image list.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/base/GdiObject.h"
#include "framework/core/Component.h"
#include "framework/graphics/Graphic.h"

namespace lanvero::framework {

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner);
  ~TImageList() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  int Width() const { return width_; }
  void SetWidth(int width);
  int Height() const { return height_; }
  void SetHeight(int height);
  int Count() const;
  HIMAGELIST Handle();

  // Adds the images of a strip (cut into Width-wide pieces), with the given
  // colour transparent; returns the index of the first one.
  int AddMasked(const TBitmap& strip, TColor transparent);
  int Add(const TBitmap& image, const TBitmap* mask);
  void Clear();
  // Takes a copy of another image list: its images and its image size.
  void CopyFrom(HIMAGELIST source);
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);

  std::vector<uint8_t> Data() const { return data_; }
  // A BMP file strip whose bottom-left pixel gives the transparent colour.
  void SetData(const std::vector<uint8_t>& data);

 private:
  void Recreate();
  UniqueImageList list_;
  int width_ = 16;
  int height_ = 16;
  std::vector<uint8_t> data_;
};

}  // namespace lanvero::framework
