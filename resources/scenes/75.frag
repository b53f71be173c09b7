// Ice kaleidoscope: the aurora over the snowy range sways and shimmers in the
// lake, then folds into a turning twelve-fold mandala seen through hexagonal
// ice facets that split its light into colour. The mandala breathes and
// deepens, and in the last seconds unfolds back into the night landscape.

const float PI = 3.14159265;

float hash21(vec2 p)
{
    p = fract(p * vec2(234.34, 435.345));
    p += dot(p, p + 34.23);
    return fract(p.x * p.y);
}

// Hexagonal tiling: xy = offset from the cell's centre, zw = cell id.
vec4 hexCell(vec2 p)
{
    const vec2 r = vec2(1.0, 1.7320508);
    vec2 h = r * 0.5;
    vec2 a = mod(p, r) - h;
    vec2 b = mod(p - h, r) - h;
    vec2 g = dot(a, a) < dot(b, b) ? a : b;
    return vec4(g, p - g);
}

// Image coordinates (v = 0 at the top row) of the landscape as it plays
// literally: curtains sway, the lake shimmers.
vec2 literal(vec2 q, float t)
{
    vec2 uv = q;
    float sky = 1.0 - smoothstep(0.45, 0.58, uv.y);
    uv.x += sky * (0.012 * sin(uv.y * 9.0 - t * 0.9 + uv.x * 4.0) + 0.006 * sin(uv.x * 23.0 + t * 1.7));
    uv.y += sky * 0.01 * sin(uv.x * 11.0 + t * 0.6);
    float lake = smoothstep(0.7, 0.76, uv.y);
    uv.x += lake * 0.006 * sin(uv.y * 140.0 - t * 3.0);
    uv.y += lake * 0.004 * sin(uv.x * 60.0 + t * 2.0);
    return uv;
}

void main()
{
    float t = iGlobalTime;
    vec2 res = iResolution.xy;
    vec2 frag = gl_FragCoord.xy / res;

    // Cover the screen with the 16:9 picture, whatever the screen's shape.
    float screenAspect = res.x / res.y;
    float imgAspect = 16.0 / 9.0;
    vec2 q = vec2(frag.x, 1.0 - frag.y);
    if (screenAspect < imgAspect)
        q.x = 0.5 + (q.x - 0.5) * screenAspect / imgAspect;
    else
        q.y = 0.5 + (q.y - 0.5) * imgAspect / screenAspect;

    // How far the picture is folded: in over the first seconds, out at the end.
    float k = smoothstep(1.5, 5.0, t) * (1.0 - smoothstep(14.5, 18.2, t));

    // Kaleidoscope: polar fold around the heart of the aurora.
    vec2 p = (gl_FragCoord.xy - 0.5 * res) / res.y;
    vec2 centre = vec2(0.5, 0.26);
    if (iMouse.z > 0.0)
        centre += (iMouse.xy / res - 0.5) * vec2(0.3, -0.2);

    // Ice facets over the whole view, strongest while folded.
    float scale = 4.0 + 1.0 * sin(t * 0.21);
    vec4 hx = hexCell(p * scale + vec2(t * 0.15, 0.0));
    float rnd = hash21(hx.zw);
    vec2 tilt = vec2(cos(rnd * 6.28 + t * 0.4), sin(rnd * 6.28 + t * 0.3)) * (0.35 + 0.65 * rnd);
    float edge = 0.5 - max(abs(hx.x) * 0.5 + abs(hx.y) * 0.8660254, abs(hx.x));
    p += tilt * 0.02 * k;

    float r = length(p);
    float a = atan(p.y, p.x) + t * 0.12;
    float seg = PI / 6.0;
    a = mod(a, 2.0 * seg);
    a = abs(a - seg);
    float zoom = 0.42 + 0.1 * sin(t * 0.33) - 0.12 * smoothstep(6.0, 14.0, t);
    vec2 dir = vec2(cos(a), sin(a));

    // Three samples per channel spread: the facets split light like a prism.
    vec3 col;
    float disp = 0.006 + 0.01 * k;
    for (int i = 0; i < 3; i++) {
        float f = float(i) - 1.0;
        vec2 kal = centre + dir.yx * r * (zoom + f * disp) * vec2(1.0 / imgAspect, 1.0);
        vec2 uv = mix(literal(q, t), kal, k);
        // Mirror rather than wrap vertically: sky and lake must not swap.
        uv.y = 1.0 - abs(1.0 - abs(uv.y));
        vec3 s = texture2D(iChannel1, uv).rgb;
        if (i == 0) col.r = s.r;
        if (i == 1) col.g = s.g;
        if (i == 2) col.b = s.b;
    }

    // Light the facets: each a slightly different tilt to the light, with
    // frosty rims and a glint that runs over the sheet.
    float shade = 0.85 + 0.3 * dot(tilt, normalize(vec2(0.6, 0.8)));
    col *= mix(1.0, shade, k);
    float rim = smoothstep(0.06, 0.0, edge);
    col += vec3(0.55, 0.8, 1.0) * rim * 0.12 * k;
    float glint = pow(max(0.0, sin(hx.z * 0.7 + hx.w * 0.4 - t * 1.3)), 16.0);
    col += vec3(0.8, 1.0, 0.95) * glint * 0.25 * k * (0.5 + rnd);
    // Twinkling stars caught at the facet corners.
    float sp = pow(max(0.0, 1.0 - length(hx.xy) * 1.9), 8.0);
    col += vec3(1.0) * sp * step(0.85, fract(rnd * 17.0 + t * 0.2)) * k;

    // The centre of the mandala glows as it deepens.
    col += vec3(0.2, 0.9, 0.6) * exp(-r * 7.0) * 0.35 * k * (0.6 + 0.4 * sin(t * 1.1));
    col *= 1.0 - 0.35 * dot(frag - 0.5, frag - 0.5) * 2.0;
    gl_FragColor = vec4(col, 1.0);
}
