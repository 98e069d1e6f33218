#pragma once
// Objects whose member functions run as window procedures or hooks must not
// be freed while one of those calls is on the stack: timers fire inside
// every modal loop (menus, moving and sizing, message boxes), so a request
// to free a skinner can arrive from inside its own message handling. Every
// entry point opens a CallScope; Retire frees the object at once when no
// call is running, otherwise when the outermost call returns.

#include <memory>

namespace lanvero {

class CallDepthCounted {
 public:
  CallDepthCounted() = default;
  CallDepthCounted(const CallDepthCounted&) = delete;
  CallDepthCounted& operator=(const CallDepthCounted&) = delete;
  virtual ~CallDepthCounted() = default;

  class CallScope {
   public:
    explicit CallScope(CallDepthCounted& object) : object_(object) { ++object_.depth_; }
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;
    ~CallScope() {
      if (--object_.depth_ == 0 && object_.retired_) delete &object_;
    }

   private:
    CallDepthCounted& object_;
  };

  // Frees the object now, or when its outermost running call returns.
  template <class T>
  static void Retire(std::unique_ptr<T> object) {
    if (!object) return;
    if (object->depth_ == 0) return;  // the unique_ptr frees it here
    object->retired_ = true;
    object.release();
  }

  bool InCall() const { return depth_ > 0; }
  bool Retired() const { return retired_; }

 private:
  int depth_ = 0;
  bool retired_ = false;
};

}  // namespace lanvero
