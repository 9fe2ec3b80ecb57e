// One more level of a recursion, counted for as long as the guard lives and given back however
// the level ends, also through an error. Nesting read from a file is bounded by checking
// depth() against a limit, so that it ends in a clear error or a skipped step instead of
// exhausting the stack.
#pragma once

namespace platform {

class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

    // The depth including this level.
    int depth() const { return depth_; }

private:
    int& depth_;
};

}  // namespace platform
