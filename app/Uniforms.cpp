#include "app/Uniforms.h"

namespace fraglume {

using namespace lume;

Vec4f dateUniform(std::chrono::sys_seconds time)
{
    using namespace std::chrono;
    const sys_days day = floor<days>(time);
    const year_month_day ymd{day};
    const auto secondsOfDay = (time - day).count();
    return {float(int(ymd.year())), float(unsigned(ymd.month())), float(unsigned(ymd.day())), float(secondsOfDay)};
}

Vec4f dateUniformNow()
{
    using namespace std::chrono;
    return dateUniform(floor<seconds>(system_clock::now()));
}

Vec4f mouseUniform(const Vec4f &record, bool pressed, int windowHeight)
{
    if (!pressed)
        return {};
    // Row y from the top is row (height - 1 - y) from the bottom: floor(gl_FragCoord.xy) of
    // the pixel under the pointer.
    const float top = float(windowHeight - 1);
    return {record.x, top - record.y, record.z, top - record.w};
}

} // namespace fraglume
