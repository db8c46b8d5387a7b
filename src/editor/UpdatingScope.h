#pragma once

namespace tintora {

// Sets a guard flag for the lifetime of the scope and then puts back the value it had, so that
// nested updates keep it set until the outermost one ends.
class TUpdatingScope {
public:
    explicit TUpdatingScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~TUpdatingScope() { flag_ = saved_; }
    TUpdatingScope(const TUpdatingScope&) = delete;
    TUpdatingScope& operator=(const TUpdatingScope&) = delete;

private:
    bool& flag_;
    bool saved_;
};

} // namespace tintora
