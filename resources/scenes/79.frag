// Thaw: under the microscope, a slide of stained cells lies frozen under a
// sheet of ice. The ice softens from a few points and the melt spreads along
// its crystal seams, each front a ripple of meltwater that bends the light;
// beneath it the cells come into focus and start to stir. At the end the
// whole field is alive and the slide drifts slowly under the lens.

#ifdef GL_ES
precision mediump float;
#endif

float hash21(vec2 p)
{
    p = fract(p * vec2(123.34, 456.21));
    p += dot(p, p + 45.32);
    return fract(p.x * p.y);
}

// Slide coordinates to picture coordinates: both pictures are 16:9.
vec3 cells(vec2 s)
{
    return texture2D(iChannel1, s * vec2(0.5625, 1.0)).rgb;
}

vec3 ice(vec2 s)
{
    return texture2D(iChannel2, s * vec2(0.5625, 1.0) * 0.8 + vec2(0.3, 0.1)).rgb;
}

// How far the thaw has to go to reach s: distance to the nearest seed,
// stretched where the ice is bright (crystal seams melt last).
float thawDistance(vec2 s, float seam)
{
    float d = 10.0;
    for (int i = 0; i < 4; i++) {
        float fi = float(i);
        vec2 seed = vec2(0.35 + 0.5 * hash21(vec2(fi, 1.0)), 0.3 + 0.45 * hash21(vec2(fi, 2.0)));
        float start = fi * 1.6;
        d = min(d, length(s - seed) + start * 0.06);
    }
    return d + seam * 0.18;
}

void main()
{
    float t = iGlobalTime;
    vec2 res = iResolution.xy;
    vec2 uv = (gl_FragCoord.xy - 0.5 * res) / res.y;

    // The field of view: a disc with a soft, slightly coloured edge.
    float r = length(uv);
    float field = 1.0 - smoothstep(0.45, 0.47, r);

    // The slide drifts and the objective slowly closes in.
    float zoom = 0.95 - 0.2 * smoothstep(6.0, 20.0, t);
    vec2 s = uv * zoom + vec2(0.6, 0.5) + vec2(0.012 * t, 0.006 * t) + vec2(0.02 * sin(t * 0.3), 0.0);

    // The thaw front: at 0 s the first seeds have just opened; by the end
    // the sheet is gone.
    vec3 iceCol = ice(s);
    float seam = dot(iceCol, vec3(0.3, 0.4, 0.3));
    float front = 0.03 + 0.055 * t;
    float dist = thawDistance(s, seam);
    float melted = smoothstep(front, front - 0.06, dist);
    // A ripple of meltwater running just behind the front.
    float wave = exp(-pow((front - dist) * 30.0 - 1.0, 2.0)) * (1.0 - smoothstep(16.0, 19.0, t));

    // Beneath: living cells, stirring more as they thaw, refracted by the
    // meltwater near the front.
    vec2 stir = vec2(sin(s.y * 40.0 + t * 1.3), cos(s.x * 37.0 - t * 1.1)) * 0.0025 * melted;
    vec2 bend = vec2(dFdx(dist), dFdy(dist)) * wave * 600.0 * zoom;
    vec2 cs = s + stir + bend * 0.01;
    // Out of focus while frozen: a small ring of taps, closing as it melts.
    float blur = 0.006 * (1.0 - melted);
    vec3 c = cells(cs) * 0.4;
    c += cells(cs + vec2(blur, 0.0)) * 0.15;
    c += cells(cs - vec2(blur, 0.0)) * 0.15;
    c += cells(cs + vec2(0.0, blur)) * 0.15;
    c += cells(cs - vec2(0.0, blur)) * 0.15;
    // Nuclei pulse faintly once alive.
    float nucleus = smoothstep(0.15, 0.0, c.g - c.b * 0.55);
    c += vec3(0.15, 0.05, 0.3) * nucleus * melted * (0.5 + 0.5 * sin(t * 2.0 + s.x * 30.0));

    // Above: the ice, frosted white at its seams, with glints.
    vec3 frozen = mix(c * vec3(0.55, 0.7, 0.95), iceCol * 1.1, 0.6);
    float glint = pow(max(0.0, sin(s.x * 80.0 + s.y * 50.0 + t * 2.0) * seam), 6.0);
    frozen += vec3(0.8, 0.9, 1.0) * glint * 0.4;

    vec3 col = mix(frozen, c, melted);
    col += vec3(0.75, 0.9, 1.0) * wave * 0.35;

    // Lamp: warm in the middle of the field, falling off to the rim, with a
    // faint chromatic fringe at the edge of the view.
    col *= 1.15 - 0.6 * r * r;
    vec3 fringe = vec3(0.2, 0.45, 0.8) * exp(-abs(r - 0.46) * 120.0) * 0.5;
    vec3 body = vec3(0.03, 0.035, 0.045) + vec3(0.04, 0.03, 0.05) * (0.5 + 0.5 * uv.y);
    col = mix(body, col, field) + fringe;
    gl_FragColor = vec4(col, 1.0);
}
