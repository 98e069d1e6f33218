// Published properties of TSkinData, in their stored order, so that a
// stored layout can set them by name.

#include "framework/core/ClassBuilder.h"
#include "skin/definitions/SkinData.h"

namespace lanvero {

namespace {

using framework::ClassBuilder;
using framework::EnumInfo;

const EnumInfo& SkinControlTypeEnum() {
  static const EnumInfo info{"TSkinControlType",
                             {"xcMainMenu",   "xcPopupMenu", "xcMenuItem",    "xcToolbar",     "xcControlbar",
                              "xcCombo",      "xcCheckBox",  "xcRadioButton", "xcProgress",    "xcScrollbar",
                              "xcEdit",       "xcButton",    "xcBitBtn",      "xcSpeedButton", "xcSpin",
                              "xcPanel",      "xcGroupBox",  "xcStatusBar",   "xcTab",         "xcTrackBar",
                              "xcSystemMenu", "xcFastReport"}};
  return info;
}

const EnumInfo& SkinOptionEnum() {
  static const EnumInfo info{"TSkinOption",
                             {"xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview", "xoParentBackGround",
                              "xoNoFocusRect", "xoToolbarBK", "xoToolbarButton", "xoMDIChildBorder", "xoMenuBG",
                              "xoCaptionButtonHint", "xoFormScrollbar"}};
  return info;
}

const EnumInfo& SkinFormTypeEnum() {
  static const EnumInfo info{"TSkinFormType", {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"}};
  return info;
}

}  // namespace

const framework::ClassInfo& TSkinData::StaticClassInfo() {
  static const framework::ClassInfo info =
      ClassBuilder<TSkinData>("TSkinData", &framework::TComponent::StaticClassInfo())
          .Creatable()
          .Boolean("Active", &TSkinData::Active, &TSkinData::SetActive)
          .Integer("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag)
          .Set("SkinControls", SkinControlTypeEnum(), &TSkinData::SkinControls, &TSkinData::SetSkinControls)
          .Set("Options", SkinOptionEnum(), &TSkinData::Options, &TSkinData::SetOptions)
          .Object("Skin3rd", &TSkinData::Skin3rdList)
          .String("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile)
          .String("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore)
          .Enumeration("SkinFormtype", SkinFormTypeEnum(), &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype)
          .String("Version", &TSkinData::Version, &TSkinData::SetVersion)
          .Boolean("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate)
          .Boolean("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge)
          .Event("OnFormSkin", &TSkinData::OnFormSkin)
          .Event("OnSkinChanged", &TSkinData::OnSkinChanged)
          .Event("OnSkinControl", &TSkinData::OnSkinControl)
          .Event("OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm)
          .Event("OnAfterSkinForm", &TSkinData::OnAfterSkinForm)
          .Binary("SkinStream", &TSkinData::WriteSkinStream, &TSkinData::ReadSkinStream)
          .Build();
  return info;
}

void RegisterSkinDataClass() {
  framework::ClassRegistry::Register(TSkinData::StaticClassInfo());
  RegisterSkinStoreClass();
}

}  // namespace lanvero
