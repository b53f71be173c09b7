// Sun shower: we look through a window pane at the sky over the hill. Rain
// beads on the glass and runs down in streaks; every drop is a small lens
// that shows the sky upside down and sharp, while the view behind the glass
// stays out of focus. The shower thickens under a grey light, then thins out
// as the sun breaks through and the colours return.

float hash21(vec2 p)
{
    p = fract(p * vec2(123.34, 456.21));
    p += dot(p, p + 45.32);
    return fract(p.x * p.y);
}

vec2 coverUV(vec2 frag, vec2 res)
{
    float sa = res.x / res.y, ia = 16.0 / 9.0;
    vec2 q = frag / res;
    if (sa < ia)
        q.x = 0.5 + (q.x - 0.5) * sa / ia;
    else
        q.y = 0.5 + (q.y - 0.5) * ia / sa;
    return q;
}

// The sky behind the glass, as texture coordinates (top row first).
vec3 sky(vec2 q)
{
    return texture2D(iChannel1, vec2(q.x, 1.0 - q.y)).rgb;
}

// Beads that sit still: they appear, grow and dry again. Returns the lens
// offset in xy and the drop's coverage in z.
vec3 beads(vec2 p, float t, float amount)
{
    vec2 g = p * 18.0;
    vec2 id = floor(g);
    vec2 f = fract(g) - 0.5;
    float n = hash21(id);
    vec2 c = (vec2(hash21(id + 7.1), hash21(id + 3.7)) - 0.5) * 0.6;
    float life = fract(t * 0.15 + n);
    float r = (0.1 + 0.22 * hash21(id + 1.3)) * smoothstep(0.0, 0.15, life) * (1.0 - smoothstep(0.7, 1.0, life));
    r *= step(1.0 - amount, hash21(id + 9.9));
    vec2 d = f - c;
    float m = r > 0.005 ? smoothstep(r, r * 0.75, length(d)) : 0.0;
    return vec3(d / max(r, 0.005), m);
}

// Drops that run down in columns, stopping and going, each leaving a trail of
// tiny droplets behind it.
vec3 runners(vec2 p, float t, float amount)
{
    vec2 grid = vec2(7.0, 1.4);
    vec2 g = p * grid;
    float n = hash21(vec2(floor(g.x), 3.0));
    g.y += t * 0.25 + n * 5.0;
    vec2 id = floor(g);
    vec2 f = fract(g) - 0.5;
    float n2 = hash21(id);
    float x = (n2 - 0.5) * 0.6 + sin(g.y * 7.0 + n2 * 6.28) * 0.05;
    // Stop-and-go descent within the cell.
    float ph = fract(t * 0.35 + n2);
    float y = 0.4 - 0.8 * (ph + 0.05 * sin(ph * 18.85));
    float on = step(1.0 - amount, hash21(id + 4.2));
    // Work in screen units from here on so drops stay round.
    vec2 d = (f - vec2(x, y)) / grid;
    float r = 0.018 + 0.01 * n2;
    float m = smoothstep(r, r * 0.7, length(d * vec2(1.0, 0.8))) * on;
    // The trail above the drop: droplets strung along a wet line.
    float trail = step(0.0, d.y) * (1.0 - smoothstep(0.0, 0.3, d.y)) * step(abs(d.x), r * 0.6);
    vec2 td = vec2(d.x, mod(d.y, 0.024) - 0.012);
    float tr = smoothstep(0.006, 0.003, length(td)) * trail * on;
    if (tr > m)
        return vec3(td / 0.006, tr * 0.85);
    return vec3(d / r, m);
}

void main()
{
    float t = iGlobalTime;
    vec2 res = iResolution.xy;
    vec2 p = gl_FragCoord.xy / res.y;

    // The view drifts a little; the mouse leans us toward the glass.
    vec2 drift = vec2(0.02 * sin(t * 0.1), 0.01 * cos(t * 0.13));
    if (iMouse.z > 0.0)
        drift += (iMouse.xy / res - 0.5) * 0.05;
    vec2 q = coverUV(gl_FragCoord.xy, res);
    q = 0.5 + (q - 0.5) * (0.92 - 0.03 * sin(t * 0.07)) + drift - vec2(0.0, 0.035);

    // How hard it rains, and how far the sun has come out.
    float rain = 0.35 + 0.6 * smoothstep(1.0, 6.0, t) - 0.55 * smoothstep(12.0, 18.0, t);
    float sun = smoothstep(11.0, 18.5, t);

    vec3 b = beads(p, t, rain);
    vec3 r1 = runners(p, t, rain * 0.9);
    vec3 r2 = runners(p * 1.7 + vec2(0.37, 0.0), t * 1.1, rain * 0.6);
    vec3 drop = b;
    if (r1.z > drop.z) drop = r1;
    if (r2.z > drop.z) drop = r2;

    // Behind the glass: out of focus, softer while the glass is wet.
    float blur = 0.004 + 0.006 * rain;
    vec3 bg = sky(q) * 0.4;
    bg += sky(q + vec2(blur, blur * 0.6)) * 0.15;
    bg += sky(q + vec2(-blur, blur * 0.6)) * 0.15;
    bg += sky(q + vec2(blur * 0.6, -blur)) * 0.15;
    bg += sky(q + vec2(-blur * 0.6, -blur)) * 0.15;

    // In a drop: the sky inverted and sharp, darker at the rim, with a
    // highlight where the light catches the bead.
    vec2 l = drop.xy;
    float ll = clamp(dot(l, l), 0.0, 1.0);
    vec3 lens = sky(q - l * 0.045 * (1.0 + ll)) * (1.0 - 0.45 * smoothstep(0.4, 1.0, ll));
    lens += vec3(1.0) * smoothstep(0.25, 0.0, length(l - vec2(-0.35, 0.4))) * 0.35;
    vec3 col = mix(bg, lens, drop.z);

    // Grade: grey and dim under the shower, clear and warm in the sun.
    float grey = dot(col, vec3(0.3, 0.55, 0.15));
    vec3 overcast = mix(vec3(grey), col, 0.35) * vec3(0.72, 0.76, 0.82);
    col = mix(overcast, col * 1.08, sun);
    // The sun itself breaking through at the upper right, caught by the wet glass.
    vec2 sp = vec2(res.x / res.y * 0.97, 0.93);
    float sd = length(p - sp);
    col += vec3(1.0, 0.9, 0.7) * sun * (0.08 / (sd + 0.08)) * 0.45;
    col += vec3(1.0, 0.85, 0.6) * sun * drop.z * smoothstep(0.9, 0.2, sd) * 0.15;

    vec2 v = gl_FragCoord.xy / res - 0.5;
    col *= 1.0 - 0.5 * dot(v, v);
    gl_FragColor = vec4(col, 1.0);
}
