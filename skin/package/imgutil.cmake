# Image utilities of the skin engine. `skinimage` is portable (pixel image,
# transforms, colours, gradients, nine-slice layout, software renderer;
# the pixel image and the bitmap decoder are the framework's); `skinimage_win` draws on device contexts.
# System colours come from the platform in the Windows build and from the
# classic default scheme natively.
if(WIN32)
  set(skinimage_syscolors SysColorsWin.cpp)
else()
  set(skinimage_syscolors SysColorsDefault.cpp)
endif()

lanvero_library(NAME skinimage SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ImgUtil.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GradientTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NineSlice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinRaster.cpp
  ${CMAKE_CURRENT_LIST_DIR}/${skinimage_syscolors}
  LIBS skinpackage framework_imaging)

# Drawing on device contexts, bitmaps as DIB sections, text and window
# routines. Uses the control framework's GDI handle owners, which live in a
# header of their own (framework/base/GdiObject.h), so nothing of the
# framework library needs to be linked.
lanvero_library(NAME skinimage_win WINDOWS_ONLY SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/DibSection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinText.cpp
  LIBS skinimage gdi32 user32)
