// GoogleTest checks of states a program reaches after the input sent to it
// has arrived: they wait a while for the expected text and report the text
// last seen when it never came.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/LanveroSession.h"

namespace lanvero::e2e {

inline testing::AssertionResult Became(const std::wstring& what, const std::wstring& actual,
                                       const std::wstring& expected) {
  if (actual == expected) return testing::AssertionSuccess();
  return testing::AssertionFailure() << testing::PrintToString(what) << " is " << testing::PrintToString(actual)
                                     << ", expected " << testing::PrintToString(expected);
}

inline testing::AssertionResult StatusBecomes(const LanveroSession& lanvero, const std::wstring& expected) {
  return Became(L"the status", lanvero.AwaitStatus(expected), expected);
}

inline testing::AssertionResult MemoBecomes(const LanveroSession& lanvero, const std::wstring& expected) {
  return Became(L"the memo", lanvero.AwaitMemo(expected), expected);
}

}  // namespace lanvero::e2e
