# The skin definition model: TSkinData and every definition built from a
# skin package. `skindata` holds the whole parse pipeline (portable) with
# the platform answers of the build (system metrics, engine bitmaps, GDI
# copies of the images); `skindata_win` adds the engine's bitmap resources
# ("TESSALYMENU", "TRACK", "TRACKVERT") that every Windows program using
# the engine must link.

set(skindata_dir ${CMAKE_CURRENT_LIST_DIR})
set(skindata_engine_assets ${CMAKE_SOURCE_DIR}/assets/engine)

if(WIN32)
  set(skindata_platform ${skindata_dir}/WinSkinDataPlatformWin.cpp)
  set(skindata_platform_libs skinimage_win comctl32 gdi32 user32)
else()
  # Native builds have no resources: the engine bitmaps are compiled in.
  set(skindata_generated ${CMAKE_CURRENT_BINARY_DIR}/skindata_generated)
  set(skindata_inc "// Generated from assets/engine by skin/package/skindata.cmake.\n#include <cstdint>\n")
  foreach(pair "kTrackBmp;track.bmp" "kTrackVertBmp;trackvert.bmp")
    list(GET pair 0 array_name)
    list(GET pair 1 file_name)
    set(bmp ${skindata_engine_assets}/${file_name})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${bmp})
    file(READ ${bmp} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND skindata_inc "inline constexpr uint8_t ${array_name}[] = {${bytes}};\n")
  endforeach()
  file(CONFIGURE OUTPUT ${skindata_generated}/skin_engine_bitmaps.inc CONTENT "${skindata_inc}")
  set(skindata_platform ${skindata_dir}/WinSkinDataPlatformNative.cpp)
  set(skindata_platform_libs)
endif()

lanvero_library(NAME skindata SOURCES
  ${skindata_dir}/WinSkinDataBitmap.cpp
  ${skindata_dir}/WinSkinDataObjects.cpp
  ${skindata_dir}/WinSkinDataDefinitions.cpp
  ${skindata_dir}/WinSkinDataReader.cpp
  ${skindata_dir}/WinSkinDataSections.cpp
  ${skindata_dir}/WinSkinDataComposed.cpp
  ${skindata_dir}/WinSkinDataDump.cpp
  ${skindata_dir}/WinSkinData.cpp
  ${skindata_dir}/WinSkinDataClass.cpp
  ${skindata_dir}/SkinScheme.cpp
  ${skindata_dir}/Skin3rd.cpp
  ${skindata_dir}/SkinTitle.cpp
  ${skindata_platform}
  LIBS skinimage skinpackage framework_core ${skindata_platform_libs})
if(NOT WIN32)
  target_include_directories(skindata PRIVATE ${skindata_generated})
endif()

if(WIN32)
  # An object library, so that its resources land in every program linking
  # skindata_win (resources in a static archive would be dropped).
  add_library(skindata_resources OBJECT ${skindata_dir}/SkinEngineResources.rc)
  target_include_directories(skindata_resources PRIVATE ${CMAKE_SOURCE_DIR})
  set_property(SOURCE ${skindata_dir}/SkinEngineResources.rc APPEND PROPERTY OBJECT_DEPENDS
               ${skindata_engine_assets}/tessalymenu.bmp ${skindata_engine_assets}/track.bmp
               ${skindata_engine_assets}/trackvert.bmp)
  add_library(skindata_win INTERFACE)
  target_link_libraries(skindata_win INTERFACE skindata)
  target_sources(skindata_win INTERFACE $<TARGET_OBJECTS:skindata_resources>)
endif()

