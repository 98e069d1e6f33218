// Lists of strings: TStrings is the interface that memos, combo boxes and
// list boxes implement over their windows; TStringList keeps them in memory.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/core/Object.h"

namespace lanvero::framework {

class TStrings : public TPersistent {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  virtual int Count() const = 0;
  virtual std::wstring Get(int index) const = 0;
  virtual void Put(int index, const std::wstring& text);
  virtual void Insert(int index, const std::wstring& text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  int Add(const std::wstring& text);
  int IndexOf(const std::wstring& text) const;
  std::wstring operator[](int index) const { return Get(index); }

  // The lines joined with CR LF after each line, as a multi-line edit shows them.
  virtual std::wstring Text() const;
  virtual void SetText(const std::wstring& text);

  std::vector<std::wstring> ToVector() const;
  void SetStrings(const std::vector<std::wstring>& lines);

  void Assign(const TPersistent& source) override;
};

class TStringList : public TStrings {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  int Count() const override { return static_cast<int>(items_.size()); }
  std::wstring Get(int index) const override;
  void Put(int index, const std::wstring& text) override;
  void Insert(int index, const std::wstring& text) override;
  void Delete(int index) override;
  void Clear() override;

  std::function<void()> OnChange;

 private:
  void CheckIndex(int index, bool allowEnd) const;
  void Changed() const;

  std::vector<std::wstring> items_;
};

// Splits text at CR LF, lone CR or lone LF; a final line break adds no line.
std::vector<std::wstring> SplitLines(const std::wstring& text);

}  // namespace lanvero::framework
