#include "framework/controls/DateTimePicker.h"

#include <commctrl.h>

#include <array>
#include <cstdio>
#include <optional>

#include "framework/core/ClassBuilder.h"
#include "framework/core/FrameworkError.h"

namespace lanvero::framework {

namespace {

const EnumInfo& DateTimeKindEnum() {
  static const EnumInfo info{"TDateTimeKind", {"dtkDate", "dtkTime"}};
  return info;
}

// The date classes are not among those every window of the framework needs.
void InitDateClassesOnce() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_DATE_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)done;
}

// Reads "a<sep>b<sep>c" of decimal numbers, all of the text and nothing more.
std::optional<std::array<int, 3>> ReadThreeNumbers(const std::wstring& text, wchar_t separator) {
  std::array<int, 3> parts{};
  size_t at = 0;
  for (size_t part = 0; part < parts.size(); ++part) {
    if (part > 0 && (at >= text.size() || text[at++] != separator)) return std::nullopt;
    const size_t start = at;
    int value = 0;
    while (at < text.size() && at - start < 4 && text[at] >= L'0' && text[at] <= L'9') {
      value = value * 10 + (text[at++] - L'0');
    }
    if (at == start) return std::nullopt;
    parts[part] = value;
  }
  if (at != text.size()) return std::nullopt;
  return parts;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

std::wstring Format(const wchar_t* pattern, int a, int b, int c) {
  wchar_t text[16]{};
  std::swprintf(text, 16, pattern, a, b, c);
  return text;
}

}  // namespace

const ClassInfo& TDateTimePicker::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TDateTimePicker>("TDateTimePicker", &TWinControl::StaticClassInfo())
          .Creatable()
          .Enumeration("Kind", DateTimeKindEnum(), &TDateTimePicker::Kind, &TDateTimePicker::SetKind)
          .String("Date", &TDateTimePicker::Date, &TDateTimePicker::SetDate)
          .String("Time", &TDateTimePicker::Time, &TDateTimePicker::SetTime)
          .Event("OnChange", &TDateTimePicker::OnChange)
          .Build();
  return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  GetLocalTime(&value_);
  value_.wMilliseconds = 0;
  SetTabStop(true);
  SetBounds(0, 0, 186, 21);
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  InitDateClassesOnce();
  TWinControl::CreateParams(params);
  params.systemClass = DATETIMEPICK_CLASSW;
  if (kind_ == TDateTimeKind::dtkTime) params.style |= DTS_TIMEFORMAT;
}

void TDateTimePicker::CreateHandleState() {
  TWinControl::CreateHandleState();
  SendToWindow(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value_));
}

SYSTEMTIME TDateTimePicker::DateTime() const {
  if (HandleAllocated()) SendToWindow(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value_));
  return value_;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& value) {
  value_ = value;
  if (HandleAllocated()) SendToWindow(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value_));
}

std::wstring TDateTimePicker::Date() const {
  const SYSTEMTIME value = DateTime();
  return Format(L"%04d-%02d-%02d", value.wYear, value.wMonth, value.wDay);
}

void TDateTimePicker::SetDate(const std::wstring& text) {
  const auto parts = ReadThreeNumbers(text, L'-');
  // The picker's calendar starts in 1601, like SYSTEMTIME.
  if (!parts || (*parts)[0] < 1601 || (*parts)[1] < 1 || (*parts)[1] > 12 || (*parts)[2] < 1 ||
      (*parts)[2] > DaysInMonth((*parts)[0], (*parts)[1])) {
    throw FrameworkError(L"Not a date (yyyy-mm-dd): " + text);
  }
  SYSTEMTIME value = DateTime();
  value.wYear = static_cast<WORD>((*parts)[0]);
  value.wMonth = static_cast<WORD>((*parts)[1]);
  value.wDay = static_cast<WORD>((*parts)[2]);
  SetDateTime(value);
}

std::wstring TDateTimePicker::Time() const {
  const SYSTEMTIME value = DateTime();
  return Format(L"%02d:%02d:%02d", value.wHour, value.wMinute, value.wSecond);
}

void TDateTimePicker::SetTime(const std::wstring& text) {
  const auto parts = ReadThreeNumbers(text, L':');
  if (!parts || (*parts)[0] > 23 || (*parts)[1] > 59 || (*parts)[2] > 59) {
    throw FrameworkError(L"Not a time of day (hh:mm:ss): " + text);
  }
  SYSTEMTIME value = DateTime();
  value.wHour = static_cast<WORD>((*parts)[0]);
  value.wMinute = static_cast<WORD>((*parts)[1]);
  value.wSecond = static_cast<WORD>((*parts)[2]);
  SetDateTime(value);
}

void TDateTimePicker::SetKind(TDateTimeKind kind) {
  if (kind == kind_) return;
  DateTime();  // the value moves to the next window
  kind_ = kind;
  RecreateWnd();
}

void TDateTimePicker::Dispatch(TMessage& message) {
  if (message.Msg == CN_NOTIFY &&
      reinterpret_cast<const NMHDR*>(message.LParam)->code == static_cast<UINT>(DTN_DATETIMECHANGE)) {
    DateTime();
    if (OnChange) OnChange(this);
    return;
  }
  TWinControl::Dispatch(message);
}

}  // namespace lanvero::framework
