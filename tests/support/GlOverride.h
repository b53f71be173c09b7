#pragma once

namespace lume::test {

// The driver's own entry point, whatever the loader has bound so far; null when no context
// is current.
void *glProc(const char *name);

// Points one of the loader's entry-point slots (glad_glXxx) at a replacement for the life of
// the object, so a test can count or steer the calls the code under test makes. Take the
// function to forward to from glProc, not from the slot: an unbound slot holds the loader's
// trampoline, which would overwrite the replacement.
template <typename Fn>
class GlOverride {
  public:
    GlOverride(Fn &slot, Fn replacement) : mSlot(slot), mSaved(slot) { mSlot = replacement; }
    ~GlOverride() { mSlot = mSaved; }
    GlOverride(const GlOverride &) = delete;
    GlOverride &operator=(const GlOverride &) = delete;

  private:
    Fn &mSlot;
    Fn mSaved;
};

} // namespace lume::test
