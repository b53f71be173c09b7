// Marbled paper: the motif floats on a size bath like ink and is stirred by
// wandering vortices and a drawn comb, then partly unwinds again. The marble
// picture is drawn through the same currents as veins of dark and gold ink,
// and gives the paper its relief.

vec2 swirl(vec2 p, vec2 c, float strength, float radius)
{
    vec2 d = p - c;
    float a = strength * exp(-dot(d, d) / (radius * radius));
    float cs = cos(a), sn = sin(a);
    return c + vec2(cs * d.x - sn * d.y, sn * d.x + cs * d.y);
}

// The whole stirring, applied to a point on the bath.
vec2 stir(vec2 p, float t, float amount)
{
    vec2 q = p;
    // Three vortices on slow orbits, alternating in sense.
    q = swirl(q, vec2(0.45 * sin(t * 0.21), 0.3 * cos(t * 0.17)), 3.2 * amount, 0.42);
    q = swirl(q, vec2(-0.6 + 0.2 * cos(t * 0.31), 0.25 * sin(t * 0.23 + 1.0)), -2.6 * amount, 0.35);
    q = swirl(q, vec2(0.65 + 0.15 * sin(t * 0.27), -0.3 + 0.2 * cos(t * 0.19)), 2.2 * amount, 0.3);
    // The comb: fine waves dragged across the bath.
    q.y += 0.04 * amount * sin(q.x * 14.0 + t * 0.8);
    q.x += 0.03 * amount * sin(q.y * 11.0 - t * 0.6);
    if (iMouse.z > 0.0) {
        vec2 m = (2.0 * iMouse.xy - iResolution.xy) / iResolution.y;
        q = swirl(q, m, 2.5, 0.2);
    }
    return q;
}

void main()
{
    float t = iGlobalTime;
    vec2 res = iResolution.xy;
    vec2 p = (2.0 * gl_FragCoord.xy - res) / res.y;

    // Stirring rises, peaks mid-scene and settles halfway back: the motif is
    // recognisable at both ends.
    float amount = 0.25 + 0.75 * sin(3.14159 * clamp(t / 24.0, 0.0, 1.0));

    vec2 q = stir(p, t, amount);
    vec2 qx = stir(p + vec2(0.004, 0.0), t, amount);

    // The motif is 4:3; cover the screen whatever its shape.
    float cover = max(res.x / res.y / 1.3333, 1.0);
    vec2 muv = vec2(q.x * 0.375, q.y * 0.5) * 1.2 / cover + 0.5;
    vec3 motif = texture2D(iChannel2, vec2(muv.x, 1.0 - muv.y)).rgb;

    // Marble veins ride the same currents, at a larger scale.
    vec2 vuv = q * 0.45 + vec2(0.3, 0.1);
    vec3 marble = texture2D(iChannel1, vuv).rgb;
    float ml = dot(marble, vec3(0.299, 0.587, 0.114));
    float mlx = dot(texture2D(iChannel1, qx * 0.45 + vec2(0.3, 0.1)).rgb, vec3(0.299, 0.587, 0.114));
    // The marble's gold veins are its only warm, saturated pixels.
    float gold = clamp((marble.r - marble.b) * 5.0 - 0.3, 0.0, 1.0);

    // The bath: indigo ink with pale clouds where the marble is whitest.
    vec3 bath = mix(vec3(0.05, 0.09, 0.26), vec3(0.82, 0.86, 0.9), smoothstep(0.72, 0.95, ml) * 0.7);
    bath = mix(bath, vec3(0.1, 0.35, 0.45), (1.0 - smoothstep(0.2, 0.45, abs(ml - 0.6))) * 0.25);
    // The motif's light parts float on it as ink; its dark ground sinks away.
    float ink = smoothstep(0.2, 0.38, dot(motif, vec3(0.299, 0.587, 0.114)));
    // The picture is shown once, not tiled.
    vec2 inPic = step(vec2(0.0), muv) * step(muv, vec2(1.0));
    ink *= inPic.x * inPic.y;
    vec3 col = mix(bath, motif * 1.1, ink);
    // Grey veins become dark threads, gold veins gold leaf.
    col *= 1.0 - 0.65 * (1.0 - smoothstep(0.35, 0.62, ml));
    col = mix(col, vec3(1.0, 0.78, 0.35) * (0.8 + 0.4 * ml), gold * 0.85);

    // Gentle paper relief from the marble's brightness, lit from the upper left.
    float relief = (mlx - ml) * 8.0;
    col *= 0.95 + 0.12 * clamp(relief, -1.0, 1.0);
    vec2 uv = gl_FragCoord.xy / res;
    float grain = texture2D(iChannel1, uv * 3.0).r;
    col *= 0.94 + 0.08 * grain;

    // Deckled margin of the sheet.
    vec2 e = abs(uv - 0.5) * 2.0;
    float edge = max(e.x, e.y) + 0.03 * (grain - 0.5);
    col = mix(col, vec3(0.93, 0.9, 0.82) * (0.9 + 0.1 * grain), smoothstep(0.935, 0.945, edge));
    gl_FragColor = vec4(clamp(col, 0.0, 1.0), 1.0);
}
