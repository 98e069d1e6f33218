#include "framework/services/MciDevice.h"

#include <mmsystem.h>

namespace lanvero::framework {

MciResult MciDevice::Failure(DWORD error) {
  MciResult result{error, {}};
  if (error == 0) return result;
  wchar_t text[256]{};
  if (mciGetErrorStringW(error, text, 256) && text[0]) {
    result.message = text;
  } else {
    result.message = L"The media command failed (error " + std::to_wstring(error) + L").";
  }
  return result;
}

MciResult MciDevice::Open(const std::wstring& fileName, const std::wstring& deviceType) {
  Close();
  if (fileName.empty() && deviceType.empty()) {
    return MciResult{MCIERR_MISSING_PARAMETER, L"No file name and no device type: there is nothing to open."};
  }
  MCI_OPEN_PARMSW parameters{};
  DWORD_PTR flags = MCI_WAIT;
  if (!fileName.empty()) {
    parameters.lpstrElementName = fileName.c_str();
    flags |= MCI_OPEN_ELEMENT;
  }
  if (!deviceType.empty()) {
    parameters.lpstrDeviceType = deviceType.c_str();
    flags |= MCI_OPEN_TYPE;
  }
  const MCIERROR error = mciSendCommandW(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&parameters));
  if (error == 0) id_ = parameters.wDeviceID;
  return Failure(error);
}

void MciDevice::Close() {
  if (!id_) return;
  mciSendCommandW(id_, MCI_CLOSE, MCI_WAIT, 0);
  id_ = 0;
}

MciResult MciDevice::Command(UINT message, DWORD_PTR flags, void* parameters) {
  if (!id_) {
    return MciResult{MCIERR_INVALID_DEVICE_ID,
                     L"No media is open: give a file name (or a device type) and open it first."};
  }
  MCI_GENERIC_PARMS generic{};
  void* block = parameters ? parameters : &generic;
  return Failure(mciSendCommandW(id_, message, flags, reinterpret_cast<DWORD_PTR>(block)));
}

}  // namespace lanvero::framework
