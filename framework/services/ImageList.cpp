#include "framework/services/ImageList.h"

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

const ClassInfo& TImageList::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TImageList>("TImageList", &TComponent::StaticClassInfo())
                                    .Creatable()
                                    .Integer("Width", &TImageList::Width, &TImageList::SetWidth)
                                    .Integer("Height", &TImageList::Height, &TImageList::SetHeight)
                                    .Binary("Bitmap", &TImageList::Data, &TImageList::SetData)
                                    .Build();
  return info;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() = default;

void TImageList::Recreate() { list_.Reset(ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4)); }

HIMAGELIST TImageList::Handle() {
  if (!list_) Recreate();
  return list_.Get();
}

void TImageList::SetWidth(int width) {
  if (width == width_ || width <= 0) return;
  width_ = width;
  Recreate();
}

void TImageList::SetHeight(int height) {
  if (height == height_ || height <= 0) return;
  height_ = height;
  Recreate();
}

int TImageList::Count() const { return list_ ? ImageList_GetImageCount(list_.Get()) : 0; }

int TImageList::AddMasked(const TBitmap& strip, TColor transparent) {
  // ImageList_AddMasked changes the bitmap it is given: work on a copy.
  TBitmap copy;
  copy.Assign(strip);
  return ImageList_AddMasked(Handle(), copy.Handle(), ColorToRGB(transparent));
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask) {
  return ImageList_Add(Handle(), image.Handle(), mask ? mask->Handle() : nullptr);
}

void TImageList::Clear() {
  if (list_) ImageList_RemoveAll(list_.Get());
}

void TImageList::CopyFrom(HIMAGELIST source) {
  HIMAGELIST copy = source ? ImageList_Duplicate(source) : nullptr;
  if (!copy) return;
  list_.Reset(copy);
  ImageList_GetIconSize(list_.Get(), &width_, &height_);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (!list_ || index < 0 || index >= Count()) return;
  ImageList_DrawEx(list_.Get(), index, canvas.Handle(), x, y, 0, 0, CLR_NONE,
                   enabled ? CLR_DEFAULT : GetSysColor(COLOR_BTNFACE),
                   enabled ? ILD_TRANSPARENT : (ILD_TRANSPARENT | ILD_BLEND50));
}

void TImageList::SetData(const std::vector<uint8_t>& data) {
  data_ = data;
  Clear();
  if (data.empty()) return;
  TBitmap strip;
  strip.LoadFromBytes(data);
  const COLORREF key = strip.TransparentColor();
  AddMasked(strip, static_cast<TColor>(key));
}

}  // namespace lanvero::framework
