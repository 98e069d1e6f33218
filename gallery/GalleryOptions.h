// The gallery's command line:
//   --skin FILE         open with the skin package FILE
//   --unchecked         wear that package even when the check finds errors
//                       (the engine leaves out what it refuses), to see
//                       what the engine makes of a faulty skin
//   --report            print the report and exit
//   --report-file FILE  write the report into FILE instead (implies --report)
#pragma once

#include <string>
#include <vector>

namespace lanvero::gallery {

struct GalleryOptions {
  std::wstring skinFile;
  bool wearFaultySkin = false;
  bool report = false;
  std::wstring reportFile;
  std::wstring error;  // what was wrong with the command line; empty when nothing
};

// `arguments` without the program name.
GalleryOptions ParseGalleryArguments(const std::vector<std::wstring>& arguments);

inline constexpr wchar_t kGalleryUsage[] = L"SkinGallery [--skin FILE [--unchecked]] [--report] [--report-file FILE]";

}  // namespace lanvero::gallery
