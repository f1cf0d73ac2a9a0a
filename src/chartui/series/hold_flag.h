// HoldFlag: sets a flag for the lifetime of a scope and puts the old value back (the series page's
// `Updating` while it loads controls that would otherwise report the change to the series).
#pragma once

namespace fv {

class HoldFlag {
public:
    explicit HoldFlag(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~HoldFlag() { flag_ = old_; }
    HoldFlag(const HoldFlag&) = delete;
    HoldFlag& operator=(const HoldFlag&) = delete;

private:
    bool& flag_;
    bool old_;
};

}  // namespace fv
