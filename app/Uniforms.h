#pragma once

#include "framework/Vector.h"

#include <chrono>

namespace fraglume {

// The values behind the scene uniforms that are not plain clock or size readings.

// What "iSampleRate" reads. The show's value, not the audio device's.
constexpr float kSceneSampleRate = 44000.0f;

// "iDate": (year, month 1-12, day 1-31, seconds since midnight), all in UTC.
lume::Vec4f dateUniform(std::chrono::sys_seconds time);
lume::Vec4f dateUniformNow();

// The mouse as a scene sees it. The record holds window pixels with y growing downwards
// (xy: position while the button is down, zw: where it was pressed); scenes work in
// gl_FragCoord space, so y is flipped to count upwards from the bottom row. Before the first
// press the scene reads all zeros.
lume::Vec4f mouseUniform(const lume::Vec4f &record, bool pressed, int windowHeight);

} // namespace fraglume
