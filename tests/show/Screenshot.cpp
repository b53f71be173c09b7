#include "tests/show/Screenshot.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace lume::test {

double Screenshot::litShare(int y0, int y1) const
{
    if (width == 0 || y1 <= y0)
        return 0.0;
    size_t lit = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned char *p = &rgb[size_t((y * width + x) * 3)];
            if (p[0] + p[1] + p[2] > 24)
                ++lit;
        }
    return double(lit) / double((y1 - y0) * width);
}

double Screenshot::differenceTo(const Screenshot &other) const
{
    if (rgb.size() != other.rgb.size() || rgb.empty())
        return 0.0;
    double sum = 0.0;
    for (size_t i = 0; i < rgb.size(); ++i)
        sum += std::abs(int(rgb[i]) - int(other.rgb[i]));
    return sum / double(rgb.size());
}

Screenshot takeScreenshot(const std::string &display)
{
    Screenshot shot;
    const std::string command = "DISPLAY=" + display + " import -window root -depth 8 ppm:- 2>/dev/null";
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return shot;
    std::string data;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        data.append(buffer, n);
    pclose(pipe);
    // Binary PPM: "P6", width, height, maximum value, one whitespace byte, then the pixels.
    std::istringstream header(data);
    std::string magic;
    int maxValue = 0;
    header >> magic >> shot.width >> shot.height >> maxValue;
    const size_t offset = size_t(header.tellg()) + 1;
    const size_t size = size_t(shot.width) * size_t(shot.height) * 3;
    if (magic != "P6" || maxValue != 255 || shot.width <= 0 || shot.height <= 0 || data.size() < offset + size)
        return {};
    shot.rgb.assign(data.begin() + long(offset), data.begin() + long(offset + size));
    return shot;
}

} // namespace lume::test
