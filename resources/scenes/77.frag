// Flip wall: a wall of square tiles, each carrying one piece of the rose
// window on one face and one piece of the title card on the other. The rose
// glows as if lit from behind; waves of flips (out from the centre, across
// the diagonal, then at random) turn the wall from picture to picture, and in
// the end the seams close and the title stands whole while a glint runs over
// its chrome.

float hash21(vec2 p)
{
    p = fract(p * vec2(123.34, 456.21));
    p += dot(p, p + 45.32);
    return fract(p.x * p.y);
}

// Screen fraction to picture coordinates, covering the screen, top row first.
vec2 cover(vec2 q, float aspect, float imgAspect)
{
    if (aspect < imgAspect)
        q.x = 0.5 + (q.x - 0.5) * aspect / imgAspect;
    else
        q.y = 0.5 + (q.y - 0.5) * imgAspect / aspect;
    return vec2(q.x, 1.0 - q.y);
}

// The title card must show all its letters on any screen: fit its width
// (cover only when the screen is wider), and mirror it beyond its top and
// bottom rows, where it is night sky and neon grid.
vec2 fitWidth(vec2 q, float aspect, float imgAspect)
{
    if (aspect > imgAspect)
        return cover(q, aspect, imgAspect);
    vec2 uv = vec2(0.5 + (q.x - 0.5) * 0.96, 0.5 + (q.y - 0.5) * imgAspect / aspect * 0.96);
    uv.y = 1.0 - abs(1.0 - abs(1.0 - uv.y));
    return uv;
}

vec3 rose(vec2 q, float aspect, float t)
{
    vec2 uv = cover(0.5 + (q - 0.5) * 0.94, aspect, 4.0 / 3.0);
    vec3 c = texture2D(iChannel7, uv).rgb;
    // Back-lit glass: light swells and a beam crosses the window slowly.
    float beam = exp(-pow(dot(q - 0.5, vec2(0.8, 0.6)) - 0.6 * sin(t * 0.25), 2.0) * 20.0);
    return c * (0.85 + 0.25 * sin(t * 0.9) * 0.5 + 0.6 * beam) + c * c * 0.3;
}

vec3 title(vec2 q, float aspect, float t)
{
    vec2 uv = fitWidth(q, aspect, 1920.0 / 1025.0);
    vec3 c = texture2D(iChannel4, uv).rgb;
    // Chrome glint: a bright band sweeping the letters every few seconds.
    float band = fract(t * 0.16) * 3.0 - 1.0;
    float g = exp(-pow(q.x + q.y * 0.4 - band, 2.0) * 180.0);
    float lum = dot(c, vec3(0.3, 0.5, 0.2));
    return c + vec3(1.0, 0.95, 0.9) * g * smoothstep(0.35, 0.8, lum) * 0.8;
}

// Progress (0..1) of one tile's flip that starts at s.
float flip(float t, float s)
{
    return smoothstep(s, s + 0.9, t);
}

void main()
{
    float t = iGlobalTime;
    vec2 res = iResolution.xy;
    float aspect = res.x / res.y;
    float tile = res.x / 16.0;
    vec2 cell = floor(gl_FragCoord.xy / tile);
    vec2 f = gl_FragCoord.xy / tile - cell - 0.5;
    vec2 cellCentre = (cell + 0.5) * tile / res;

    // Three waves: out from the centre, across the diagonal, at random.
    float dc = length((cellCentre - 0.5) * vec2(aspect, 1.0));
    float f1 = flip(t, 4.0 + dc * 3.6);
    float f2 = flip(t, 15.0 + (cellCentre.x * 0.7 + cellCentre.y * 0.3) * 3.5);
    float f3 = flip(t, 23.0 + hash21(cell) * 3.5);

    // The one flip in progress (or finished) for this tile, its axis, and
    // which faces it turns between (0 = rose, 1 = title).
    float a = f1;
    float axis = 0.0;
    float from = 0.0, to = 1.0;
    if (f2 > 0.0) { a = f2; axis = 1.0; from = 1.0; to = 0.0; }
    if (f3 > 0.0) { a = f3; axis = 0.0; from = 0.0; to = 1.0; }
    float ang = a * 3.14159265;
    float ca = cos(ang), sa = sin(ang);

    // Undo the turn: the tile seen edge-on is narrow along the turning
    // direction, and its nearer edge looks taller.
    float along = axis < 0.5 ? f.x : f.y;
    float across = axis < 0.5 ? f.y : f.x;
    float lAlong = along / max(abs(ca), 0.001);
    float depth = lAlong * sa;
    float lAcross = across * (1.0 + depth * 0.5);
    vec2 l = axis < 0.5 ? vec2(lAlong, lAcross) : vec2(lAcross, lAlong);

    // Seams: wide while the wall is flipping, closing for the finale.
    float gap = 0.04 * (1.0 - smoothstep(28.0, 31.0, t)) + 0.012 * smoothstep(0.5, 2.5, t) * (1.0 - smoothstep(28.0, 31.0, t));
    float inside = step(max(abs(l.x), abs(l.y)), 0.5 - gap);

    float face = ca > 0.0 ? from : to;
    vec2 q = (cell + 0.5 + l) * tile / res;
    vec3 col = face < 0.5 ? rose(q, aspect, t) : title(q, aspect, t);

    // Light on the turning tile: darker edge-on, a flash as it faces the lamp.
    float light = 0.55 + 0.45 * abs(ca) + 0.5 * pow(max(0.0, sin(ang * 2.0 - 0.6)), 8.0);
    col *= light;
    // Bevel on the tile's rim.
    float rim = smoothstep(0.5 - gap - 0.05, 0.5 - gap, max(abs(l.x), abs(l.y)));
    col *= 1.0 - 0.35 * rim * (1.0 - smoothstep(28.0, 31.0, t));

    // Behind the wall: darkness with the rose's colours bleeding through.
    vec3 behind = rose(cellCentre, aspect, t) * 0.12 + vec3(0.01, 0.0, 0.03);
    col = mix(behind, col, inside);

    vec2 v = gl_FragCoord.xy / res - 0.5;
    col *= 1.0 - 0.45 * dot(v, v);
    gl_FragColor = vec4(col, 1.0);
}
