// One device of the system's media control interface (winmm), opened on a
// file or a device type, closed when the owner goes. Every command answers
// with an error code (0: done) and a text that says why in plain words.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <string>

namespace lanvero::framework {

struct MciResult {
  DWORD error = 0;
  std::wstring message;  // empty when error is 0
  explicit operator bool() const { return error == 0; }
};

class MciDevice {
 public:
  MciDevice() = default;
  MciDevice(const MciDevice&) = delete;
  MciDevice& operator=(const MciDevice&) = delete;
  ~MciDevice() { Close(); }

  // Opens `fileName` (may be empty) with `deviceType` ("waveaudio",
  // "sequencer", ...; empty: chosen by the file's extension).
  MciResult Open(const std::wstring& fileName, const std::wstring& deviceType);
  void Close();
  bool IsOpen() const { return id_ != 0; }
  MCIDEVICEID Id() const { return id_; }

  // Sends a command to the open device; fails in words when none is open.
  MciResult Command(UINT message, DWORD_PTR flags, void* parameters = nullptr);

  // The error of a code, as the system words it.
  static MciResult Failure(DWORD error);

 private:
  MCIDEVICEID id_ = 0;
};

}  // namespace lanvero::framework
