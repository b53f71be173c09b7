// Gathering light: the show opens in a drift of sparks that fly towards us,
// each one carrying the colour of the motif at its place. The flight slows,
// the sparks settle into a halftone screen of growing dots, the dots close
// into a mosaic, and the mosaic melts into the motif itself, crossed by a
// slow sweep of light while the last sparks drift past.

#define FLIGHT_LAYERS 4

float hash1(vec2 p)
{
    return fract(sin(dot(p, vec2(127.1, 311.7))) * 43758.5453);
}

vec2 hash2(vec2 p)
{
    return fract(sin(vec2(dot(p, vec2(127.1, 311.7)), dot(p, vec2(269.5, 183.3)))) * 43758.5453);
}

float gCover = 1.0;

// Screen position (height spans -1..1) to motif coordinates; the 4:3 motif
// covers the screen whatever its shape. Rows are stored top first.
vec2 motifUv(vec2 p)
{
    return vec2(p.x * 0.375 / gCover + 0.5, 0.5 - p.y * 0.5 / gCover);
}

vec3 motif(vec2 p)
{
    return texture2D(iChannel5, motifUv(p)).rgb;
}

// One sheet of sparks: a jittered grid, one spark per cell, kept inside its
// cell so a single cell lookup is enough. Returns colour and coverage.
vec4 sparks(vec2 p, mat2 back, float scale, float seed, float radius, float t)
{
    vec2 g = p * scale + seed * 17.0;
    vec2 id = floor(g);
    vec2 f = fract(g) - 0.5;
    vec2 h = hash2(id + seed);
    float room = 0.5 - radius - 0.06;
    vec2 off = (h - 0.5) * 2.0 * room * 0.8 + 0.06 * vec2(sin(t * (0.7 + h.x) + h.y * 6.3), cos(t * (0.6 + h.y) + h.x * 6.3));
    float d = length(f - off);
    vec2 centre = (id + 0.5 + off - seed * 17.0) / scale;
    // The sheet may be rotated: take the centre back to screen space for its colour.
    vec3 c = motif(back * centre);
    float twinkle = 0.75 + 0.25 * sin(t * (2.0 + 3.0 * h.x) + h.y * 40.0);
    float core = (1.0 - smoothstep(radius * 0.35, radius, d));
    float halo = radius * 0.5 / (d * d * 12.0 + radius * 0.5) * 0.35;
    return vec4(c * (1.0 + 0.6 * core) * twinkle, (core + halo) * step(0.55, hash1(id + seed * 3.1)));
}

void main()
{
    float t = iGlobalTime;
    vec2 res = iResolution.xy;
    vec2 p = (2.0 * gl_FragCoord.xy - res) / res.y;
    gCover = max(res.x / res.y / 1.3333, 1.0);

    // Phase weights across the 41 seconds.
    float flight = 1.0 - smoothstep(10.0, 22.0, t);         // flying sparks
    float screen = smoothstep(6.0, 14.0, t) * (1.0 - smoothstep(27.0, 33.0, t)); // halftone
    float picture = smoothstep(26.0, 34.0, t);              // the motif itself

    // Backdrop: deep blue night with a soft glow that takes the motif's colour.
    float r = length(p);
    vec3 col = mix(vec3(0.05, 0.04, 0.12), vec3(0.01, 0.01, 0.03), smoothstep(0.0, 1.6, r));
    // The motif already waits in the dark, large and dim, drawing slowly nearer.
    vec3 ghost = motif(p * (0.55 + 0.01 * t));
    col += ghost * (0.06 + 0.1 * exp(-r * r * 1.5)) * (0.8 + 0.2 * sin(t * 0.5));

    // Flight: sheets at depths that cycle towards the viewer. Speed decays
    // from a rush to a drift (closed-form integral of the speed).
    float travel = 0.9 * 6.0 * (1.0 - exp(-t / 6.0)) + 0.04 * t;
    vec3 sparkCol = vec3(0.0);
    for (int i = 0; i < FLIGHT_LAYERS; i++) {
        float fi = float(i);
        float z = fract(fi / float(FLIGHT_LAYERS) + travel);
        float scale = mix(18.0, 2.5, z);
        float fade = smoothstep(0.0, 0.25, z) * (1.0 - smoothstep(0.8, 1.0, z));
        float a = fi * 1.7 + t * 0.03;
        mat2 rot = mat2(cos(a), sin(a), -sin(a), cos(a));
        vec4 s = sparks(rot * p, mat2(cos(a), -sin(a), sin(a), cos(a)), scale, fi + floor(fi / float(FLIGHT_LAYERS) + travel) * 7.0, 0.2, t);
        sparkCol += s.rgb * s.a * fade;
    }
    // A few sparks stay for the rest of the scene, in front of the picture.
    float lingering = 0.18 + 0.82 * flight;
    col += sparkCol * lingering;

    // Halftone screen: dots on a fixed grid grow until they close up.
    float cells = 46.0;
    vec2 g = p * cells * 0.5;
    vec2 f = fract(g) - 0.5;
    vec2 cid = floor(g);
    vec3 dotCol = motif((cid + 0.5) / (cells * 0.5));
    float lum = dot(dotCol, vec3(0.299, 0.587, 0.114));
    float grow = smoothstep(6.0, 24.0, t);
    float wave = 0.08 * sin(length(cid) * 0.35 - t * 1.5);
    float rad = (0.12 + 0.55 * grow) * (0.6 + 0.6 * lum) + wave * (1.0 - grow);
    float dotMask = (1.0 - smoothstep(rad - 0.08, rad, length(f))) ;
    // Once dots overlap their cells they read as a soft mosaic.
    col = mix(col, dotCol * 1.1, dotMask * screen);

    // The picture: slow breathing lens and a diagonal sweep of light.
    float breathe = 1.0 + 0.015 * sin(t * 0.6);
    vec2 lp = p / breathe;
    lp += 0.01 * vec2(sin(p.y * 4.0 + t * 0.8), cos(p.x * 4.0 + t * 0.7)) * (1.0 - smoothstep(30.0, 38.0, t));
    vec3 pic = motif(lp);
    float sweepPos = mod(t - 30.0, 9.0) / 9.0 * 4.0 - 2.0;
    float sd = p.x * 0.6 + p.y * 0.8 - sweepPos;
    float sweep = exp(-sd * sd * 6.0);
    pic *= 0.95 + 0.35 * sweep * step(30.0, t);
    col = mix(col, pic, picture);
    col += sparkCol * 0.5 * picture * lingering;

    // Vignette keeps the eye in the centre.
    col *= 1.0 - 0.3 * dot(p * 0.55, p * 0.55);
    gl_FragColor = vec4(clamp(col, 0.0, 1.0), 1.0);
}
