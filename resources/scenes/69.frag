// Photo table: prints of the channel pictures slide one after another onto a
// wooden table, spin to rest, pile up and drift off again, seen from a camera
// that slowly circles above. Each print keeps its picture's proportions.

#ifdef GL_ES
precision mediump float;
#endif

#define CARDS 5
#define PERIOD 20.0

mat2 rot(float a)
{
    float c = cos(a), s = sin(a);
    return mat2(c, s, -s, c);
}

float hash1(float n)
{
    return fract(sin(n * 91.345) * 43758.5453);
}

// Picture of print i (cycling through channels 1, 2 and 5) at uv.
vec3 picture(float i, vec2 uv)
{
    float k = mod(i, 3.0);
    vec3 a = texture2D(iChannel1, uv).rgb;
    vec3 b = texture2D(iChannel2, uv).rgb;
    vec3 c = texture2D(iChannel5, uv).rgb;
    return k < 0.5 ? a : (k < 1.5 ? b : c);
}

// Aspect (width / height) of print i, from the channel's reported size.
float aspect(float i)
{
    float k = mod(i, 3.0);
    vec3 r = k < 0.5 ? iChannelResolution[1] : (k < 1.5 ? iChannelResolution[2] : iChannelResolution[5]);
    return clamp(r.x / max(r.y, 1.0), 0.5, 2.0);
}

void main()
{
    float t = iGlobalTime + 9.0;
    vec2 res = iResolution.xy;
    vec2 p = (2.0 * gl_FragCoord.xy - res) / res.y;

    // Camera: slow circle and breathing zoom over the table.
    vec2 w = rot(0.05 * t) * p * (1.15 + 0.1 * sin(t * 0.2)) + 0.1 * vec2(sin(t * 0.13), cos(t * 0.11));

    // Wooden table from the noise picture: stretched grain plus a few knots.
    vec2 wp = rot(0.3) * w;
    float grain = texture2D(iChannel0, vec2(wp.x * 0.08, wp.y * 1.3)).r;
    float fine = texture2D(iChannel0, vec2(wp.x * 0.5, wp.y * 6.0)).g;
    float rings = sin(wp.y * 22.0 + grain * 9.0);
    vec3 col = mix(vec3(0.32, 0.18, 0.09), vec3(0.55, 0.34, 0.18), 0.5 + 0.3 * rings + 0.2 * fine);
    col *= 0.8 + 0.3 * grain;

    // Find the youngest print over this point; older ones lie beneath.
    // Only the winner's picture is looked up, once, after the loop.
    float topAge = 1e9;
    float topId = 0.0;
    vec2 topQ = vec2(0.0);
    vec2 topHalf = vec2(1.0);
    float topAng = 0.0;
    float shadow = 0.0;
    for (int n = 0; n < CARDS; n++) {
        float fi = float(n);
        float cycle = floor((t - fi * PERIOD / float(CARDS)) / PERIOD);
        float id = fi + cycle * float(CARDS);
        float age = mod(t - fi * PERIOD / float(CARDS), PERIOD);
        // Slide in with a spin that settles, rest, then drift away.
        float land = 1.0 - exp(-age * 2.2);
        float leave = smoothstep(PERIOD - 3.0, PERIOD, age);
        float dir = hash1(id) * 6.2832;
        vec2 rest = 0.75 * (vec2(hash1(id + 1.3), hash1(id + 2.7)) - 0.5) * vec2(1.6, 1.0);
        vec2 pos = rest + vec2(cos(dir), sin(dir)) * (2.6 * (1.0 - land) + 2.6 * leave * leave);
        float ang = (hash1(id + 4.1) - 0.5) * 0.9 + (1.0 - land) * 3.0;
        float lift = (1.0 - land) + leave;
        float asp = aspect(id);
        vec2 hs = vec2(0.5 * asp, 0.5) * 0.62;
        vec2 border = hs + 0.05;

        vec2 q = rot(-ang) * (w - pos);
        // Shadow, cast down and to the right, softer the higher the print flies.
        vec2 sq = rot(-ang) * (w - pos - vec2(0.04, -0.05) * (1.0 + 4.0 * lift));
        vec2 se = abs(sq) - border;
        float sd = length(max(se, 0.0)) + min(max(se.x, se.y), 0.0);
        float sh = (1.0 - smoothstep(-0.04, 0.06 + 0.2 * lift, sd)) * (1.0 - leave);

        vec2 e = abs(q) - border;
        float inside = step(max(e.x, e.y), 0.0);
        if (inside > 0.5 && age < topAge) {
            topAge = age;
            topId = id;
            topQ = q;
            topHalf = hs;
            topAng = ang;
        }
        shadow = max(shadow, sh);
    }
    col *= 1.0 - 0.55 * shadow;
    if (topAge < 1e8) {
        vec2 uv = topQ / (2.0 * topHalf) + 0.5;
        vec3 img = picture(topId, vec2(uv.x, 1.0 - uv.y));
        float inPic = step(abs(topQ.x), topHalf.x) * step(abs(topQ.y), topHalf.y);
        col = mix(vec3(0.95, 0.93, 0.88), img, inPic);
        // Glossy sheen that moves as the print turns.
        col += 0.12 * (1.0 - smoothstep(0.0, 0.2, abs(topQ.x * 0.6 + topQ.y - 0.8 * sin(topAng * 2.0 + t * 0.1))));
    }

    // Warm lamp light pooled in the middle.
    col *= 1.15 - 0.35 * dot(p * 0.6, p * 0.6);
    gl_FragColor = vec4(clamp(col, 0.0, 1.0), 1.0);
}
