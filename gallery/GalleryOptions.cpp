#include "gallery/GalleryOptions.h"

namespace lanvero::gallery {

GalleryOptions ParseGalleryArguments(const std::vector<std::wstring>& arguments) {
  GalleryOptions options;
  for (size_t i = 0; i < arguments.size() && options.error.empty(); ++i) {
    const std::wstring& argument = arguments[i];
    const bool takesValue = argument == L"--skin" || argument == L"--report-file";
    if (takesValue && i + 1 >= arguments.size()) {
      options.error = argument + L" needs a file name";
    } else if (argument == L"--skin") {
      options.skinFile = arguments[++i];
    } else if (argument == L"--report-file") {
      options.reportFile = arguments[++i];
      options.report = true;
    } else if (argument == L"--unchecked") {
      options.wearFaultySkin = true;
    } else if (argument == L"--report") {
      options.report = true;
    } else {
      options.error = L"unknown argument " + argument;
    }
  }
  return options;
}

}  // namespace lanvero::gallery
