#include "tools/skintool/StripCheck.h"

#include <array>
#include <optional>

#include "skin/definitions/SectionTable.h"
#include "skin/definitions/SkinDefinitionReader.h"
#include "skin/definitions/SkinTitle.h"
#include "tools/skintool/CheckText.h"

namespace lanvero::skintool {

namespace {

using F = DefinitionField;

struct FrameSize {
  int32_t width = 0;
  int32_t height = 0;
};

// How the skinners cut one image.
struct StripLayout {
  bool stacked = false;     // frames one above the other, not side by side
  bool wholeImage = false;  // the skinners draw the whole image, whatever the frame count
};

// The frame count a finding names, and where it starts.
struct FrameCount {
  int32_t count = 0;
  std::string cite;
  std::string origin;  // how the loader came by a count the author did not write
};

// The frame edges of the top and bottom, the caption's text back and the
// menu bar are drawn from frames stacked one above the other. The progress
// chunk and the track channels are drawn whole: the loader keeps their
// "Frame" as read and nothing divides by it.
StripLayout LayoutOf(const SkinDefinitions& d, const ImageRecord& image) {
  const TDataSkinObject* owner = image.owner;
  StripLayout layout;
  layout.stacked =
      image.field == F::Image && (owner == d.border[kEdgeTop].get() || owner == d.border[kEdgeBottom].get() ||
                                  owner == d.Title.get() || owner == d.Menubar.get());
  for (const SectionRow& row : SectionTable()) {
    if (row.rule == FrameRule::AsRead && SlotObject(d, row) == owner) layout.wholeImage = true;
  }
  return layout;
}

// The field holding the frame count of an image; none for images that are
// single pictures (the page of "Tabs").
std::optional<F> FramesFieldOf(const SkinDefinitions& d, const ImageRecord& image) {
  switch (image.field) {
    case F::Image: return F::Frames;
    case F::CheckImage: return F::CheckFrames;
    case F::RadioImage: return F::RadioFrames;
    case F::SecondImage:  // the up-down glyphs are cut like the buttons they sit on
      if (image.owner == d.HSpin.get() || image.owner == d.VSpin.get()) return F::Frames;
      return std::nullopt;
    default: return std::nullopt;
  }
}

std::string OriginOf(const FieldHistory& h) {
  if (h.rule == FieldRule::Fixed) return "fixed by the engine";
  if (h.rule == FieldRule::Chosen) return "chosen by the engine, as " + h.source.key + " is absent or 0";
  return KeptValue(h);
}

FrameCount CountOf(const ImageRecord& image, const FieldHistory& h) {
  if (h.Written()) return {h.value, Cite(h.source), ""};
  return {h.value, Cite(image.source), " (" + OriginOf(h) + ")"};
}

// The size of one frame; none when no frame can be drawn (reported).
std::optional<FrameSize> CheckFrameCount(const ImageRecord& image, bool stacked, const FrameCount& frames,
                                         CheckResult& result) {
  const std::string name(ImageMemberName(image.source.text));
  if (frames.count < 1) {
    result.Error(frames.cite + ": a frame count below 1; nothing will be drawn from " + name);
    return std::nullopt;
  }
  const int32_t extent = stacked ? image.height : image.width;
  const int32_t each = extent / frames.count;
  const std::string cut = std::to_string(frames.count) + " frames" + frames.origin + " of the " +
                          Extent(extent, stacked) + " image " + name + " are ";
  const char* direction = stacked ? " high" : " wide";
  if (each == 0) {
    result.Error(frames.cite + ": " + cut + "0 pixels" + direction + "; nothing will be drawn");
    return std::nullopt;
  }
  if (const int32_t left = extent % frames.count; left != 0) {
    const std::string unused =
        left == 1 ? std::string(stacked ? "the last pixel row is" : "the last pixel column is")
                  : "the last " + std::to_string(left) + (stacked ? " pixel rows are" : " pixel columns are");
    result.Warning(frames.cite + ": " + cut + std::to_string(each) + " pixels" + direction + " each; " + unused +
                   " never drawn");
  }
  return stacked ? FrameSize{image.width, each} : FrameSize{each, image.height};
}

struct MarginPair {
  F first;
  F second;
  bool height;  // the pair cuts the frame's height
};

constexpr std::array<MarginPair, 2> kMarginPairs{
    {{F::MarginLeft, F::MarginRight, false}, {F::MarginTop, F::MarginBottom, true}}};

void CheckMarginPair(const ImageRecord& image, FrameSize frame, const MarginPair& pair, const LoadRecord& record,
                     CheckResult& result) {
  std::vector<const FieldHistory*> given;
  int64_t sum = 0;
  for (F field : {pair.first, pair.second}) {
    const FieldHistory* h = record.Field(image.owner, field);
    if (!h) continue;
    if (h->value < 0) result.Warning(Cite(h->source) + ": a negative margin counts as 0");
    if (h->value > 0) {
      given.push_back(h);
      sum += h->value;
    }
  }
  const int32_t extent = pair.height ? frame.height : frame.width;
  if (given.empty() || sum < extent) return;
  std::string head = "[" + given.front()->source.section + "] " + KeptValue(*given.front());
  if (given.size() > 1) head += ", " + KeptValue(*given.back()) + ": together";
  else head += ":";
  const std::string target =
      " the " + Extent(extent, pair.height) + " frame of " + std::string(ImageMemberName(image.source.text));
  if (sum > extent) {
    result.Error(head + (pair.height ? " higher" : " wider") + " than" + target +
                 "; the middle is never drawn and the fixed parts overlap");
  } else {
    result.Warning(head + (pair.height ? " as high" : " as wide") + " as" + target +
                   "; nothing is left for the middle, which is not drawn where the element is larger than the frame");
  }
}

void CheckStrip(const SkinDefinitions& d, const ImageRecord& image, const LoadRecord& record, CheckResult& result) {
  if (!image.owner) {  // the MDI buttons' strip: twelve frames side by side
    CheckFrameCount(image, false, {kMdiImageFrames, Cite(image.source), " (fixed by the engine)"}, result);
    return;
  }
  // An image the loader dropped again (a window-icon button's) is never cut.
  if (image.field == F::Image && image.owner->Map.Empty()) return;
  const std::optional<F> framesField = FramesFieldOf(d, image);
  const FieldHistory* count = framesField ? record.Field(image.owner, *framesField) : nullptr;
  if (!count) return;
  const StripLayout layout = LayoutOf(d, image);
  const std::optional<FrameSize> frame = layout.wholeImage
                                             ? FrameSize{image.width, image.height}
                                             : CheckFrameCount(image, layout.stacked, CountOf(image, *count), result);
  if (!frame || image.field != F::Image) return;
  for (const MarginPair& pair : kMarginPairs) CheckMarginPair(image, *frame, pair, record, result);
}

}  // namespace

void CheckStrips(const SkinDefinitions& d, const LoadRecord& record, CheckResult& result) {
  for (const ImageRecord& image : record.images) {
    if (image.outcome == ImageLookup::Loaded) CheckStrip(d, image, record, result);
  }
}

}  // namespace lanvero::skintool
