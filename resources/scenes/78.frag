// Clockwork: a wall of meshing gears. We open close on a single brass wheel
// and pull back until the wall is full of them, every wheel turning against
// its neighbours, a slower train of larger wheels behind. The drive speeds
// up, the light swings round and warms, and at the end the train coasts
// while the lamp settles on the whole mechanism.

// Knobs of the original mechanism; this scene has them fixed.
uniform float uTeeth;
uniform float uDrive;
uniform float uZoom;
uniform float uGlow;
varying vec3 vEye;
varying vec3 vLamp;

const float PI = 3.14159265;
const float TEETH = 12.0;

float hash21(vec2 p)
{
    p = fract(p * vec2(123.34, 456.21));
    p += dot(p, p + 45.32);
    return fract(p.x * p.y);
}

// One gear at the origin: pitch radius 0.5, turned by `turn`, with `spokes`
// openings. Returns its signed distance.
float gear(vec2 p, float turn, float spokes, float holeSize)
{
    float r = length(p);
    float a = atan(p.y, p.x) - turn;
    // Teeth: a clipped wave around the pitch circle.
    float tooth = clamp(cos(a * TEETH) * 2.2, -1.0, 1.0);
    float d = r - (0.5 + 0.045 * tooth);
    // Rim, spokes and hub: cut windows between rim and hub.
    float sa = mod(a * spokes / (2.0 * PI), 1.0) - 0.5;
    float window = max(abs(r - 0.29) - 0.1 * holeSize, abs(sa) * r * 2.0 * PI / spokes - 0.16 * holeSize);
    d = max(d, -window);
    d = max(d, -(r - 0.06));
    return d;
}

// A square lattice of meshing gears: neighbours turn the other way, offset by
// half a tooth so teeth meet gaps. Returns distance, and in `info` the gear's
// radius coordinate, its id hash and its angle.
float gearField(vec2 p, float angle, out vec3 info)
{
    vec2 c = floor(p);
    vec2 f = p - c - 0.5;
    // Own cell and the two nearest neighbours cover every tooth that can
    // reach this point.
    vec2 o1 = vec2(f.x > 0.0 ? 1.0 : -1.0, 0.0);
    vec2 o2 = vec2(0.0, f.y > 0.0 ? 1.0 : -1.0);
    float best = 1e3;
    info = vec3(0.0);
    for (int i = 0; i < 3; i++) {
        vec2 o = i == 0 ? vec2(0.0) : (i == 1 ? o1 : o2);
        vec2 id = c + o;
        float h = hash21(id);
        // A few places in the wall stay empty.
        if (h < 0.08)
            continue;
        float parity = mod(id.x + id.y, 2.0);
        float turn = (parity > 0.5 ? -angle + PI / TEETH : angle);
        float spokes = 3.0 + floor(h * 4.0);
        float d = gear(f - o, turn, spokes, 0.7 + 0.3 * fract(h * 7.0));
        if (d < best) {
            best = d;
            info = vec3(length(f - o), h, turn);
        }
    }
    return best;
}

vec3 metal(float h)
{
    vec3 brass = vec3(0.85, 0.62, 0.28);
    vec3 copper = vec3(0.8, 0.42, 0.25);
    vec3 steel = vec3(0.62, 0.66, 0.7);
    return h < 0.5 ? brass : (h < 0.8 ? copper : steel);
}

// Shades one layer of gears from its distance, with a bevelled rim, a
// brushed finish and a moving lamp.
vec3 shade(float d, vec3 info, vec2 grad, vec2 lampDir, float warm)
{
    float bevel = 1.0 - smoothstep(0.0, 0.04, -d);
    vec3 n = normalize(vec3(-grad * bevel * 1.6, 1.0));
    vec3 l = normalize(vec3(lampDir, 0.9));
    float diff = max(dot(n, l), 0.0);
    vec3 base = metal(info.y) * mix(vec3(1.0), vec3(1.1, 0.95, 0.8), warm);
    // Brushed in circles: the highlight breaks into rings.
    float brush = 0.75 + 0.25 * sin(info.x * 420.0 + info.y * 30.0);
    float spec = pow(max(dot(reflect(-l, n), vec3(0.0, 0.0, 1.0)), 0.0), 24.0) * brush;
    return base * (0.18 + 0.9 * diff) + vec3(1.0, 0.92, 0.8) * spec * 0.7;
}

// Integral of smoothstep(a, b, x) for x from a to t.
float smoothIntegral(float a, float b, float t)
{
    float x = clamp((t - a) / (b - a), 0.0, 1.0);
    return (b - a) * (x * x * x - 0.5 * x * x * x * x) + max(t - b, 0.0);
}

void main()
{
    float t = iGlobalTime;
    vec2 uv = (2.0 * gl_FragCoord.xy - iResolution.xy) / iResolution.y;

    // Pull back from one wheel to the whole wall; a slow turn of the view.
    float zoom = mix(0.75, 2.8, smoothstep(0.0, 22.0, t)) + 0.4 * smoothstep(26.0, 38.0, t);
    float va = 0.15 * sin(t * 0.05) - 0.1;
    vec2 p = mat2(cos(va), sin(va), -sin(va), cos(va)) * uv * zoom + vec2(0.5, 0.5) + vec2(0.08, 0.05) * t * smoothstep(8.0, 30.0, t);

    // The drive: slow, faster towards the climax, coasting at the end. The
    // angle is the integral of that pace, so the wheels never jerk.
    float angle = 0.25 * t + 1.1 * smoothIntegral(10.0, 27.0, t) - 0.9 * smoothIntegral(29.0, 37.0, t);

    // The lamp swings round the wall and warms through the scene.
    float la = 2.3 - t * 0.09;
    vec2 lampDir = vec2(cos(la), sin(la)) * 0.8;
    float warm = smoothstep(6.0, 30.0, t);

    // Back layer: bigger wheels, slower, dim, shifted for depth.
    vec3 infoB;
    vec2 pb = p * 0.55 + vec2(0.31, 0.17) + 0.02 * uv;
    float dB = gearField(pb, -angle * 0.45, infoB);
    // Front layer and its shadow on the back.
    vec3 infoF;
    float dF = gearField(p, angle, infoF);
    vec3 infoS;
    float dS = gearField(p - lampDir * 0.06, angle, infoS);

    vec3 col = vec3(0.05, 0.04, 0.035) * (1.0 - 0.3 * length(uv));
    float px = zoom * 2.0 / iResolution.y;
    if (dB < 0.0) {
        vec2 g = vec2(dFdx(dB), dFdy(dB)) / max(px * 0.55, 1e-4);
        col = shade(dB, infoB, g, lampDir, warm) * 0.35;
    }
    col *= 1.0 - 0.6 * (1.0 - smoothstep(-0.02, 0.04, dS));
    vec2 gF = vec2(dFdx(dF), dFdy(dF)) / max(px, 1e-4);
    vec3 front = shade(dF, infoF, gF, lampDir, warm);
    col = mix(col, front, 1.0 - smoothstep(-px, px, dF));

    // A warm glow where the drive runs hottest.
    col += vec3(1.0, 0.5, 0.15) * 0.08 * warm * (1.0 - length(uv) * 0.5);
    col *= 1.0 - 0.25 * dot(uv, uv);
    col = pow(col, vec3(0.92));
    gl_FragColor = vec4(col, 1.0);
}
