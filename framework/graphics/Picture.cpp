#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Graphic.h"

namespace lanvero::framework {

namespace {

std::unique_ptr<TGraphic> CreateGraphic(std::string_view className) {
  if (EqualsIgnoreCase(className, "TBitmap")) return std::make_unique<TBitmap>();
  if (EqualsIgnoreCase(className, "TJPEGImage")) return std::make_unique<TJPEGImage>();
  return nullptr;
}

}  // namespace

const ClassInfo& TPicture::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TPicture>("TPicture", &TPersistent::StaticClassInfo())
                                    .Binary("Data", &TPicture::Data, &TPicture::SetData)
                                    .Build();
  return info;
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  data_.clear();
  if (OnChange) OnChange();
}

void TPicture::SetData(const std::vector<uint8_t>& data) {
  if (data.empty()) {
    SetGraphic(nullptr);
    return;
  }
  const size_t nameLength = data[0];
  if (data.size() < 1 + nameLength) throw FrameworkError(L"Picture data is truncated");
  const std::string className(data.begin() + 1, data.begin() + 1 + static_cast<std::ptrdiff_t>(nameLength));
  auto graphic = CreateGraphic(className);
  if (!graphic) throw FrameworkError(L"Unknown picture format " + AsciiToWide(className));
  graphic->LoadFromBytes(std::vector<uint8_t>(data.begin() + 1 + static_cast<std::ptrdiff_t>(nameLength), data.end()));
  SetGraphic(std::move(graphic));
  data_ = data;
}

}  // namespace lanvero::framework
