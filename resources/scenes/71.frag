// Cell drift: soft liquid lenses (a metaball field) float across a nebula,
// merge and split again. Each lens magnifies and refracts the cell picture
// behind its membrane; the nebula bends around the rims.

#define BLOBS 7

vec2 blobPos(float i, float t)
{
    // Lissajous paths with per-blob rates; pairs drift apart and back together,
    // so the lenses keep merging and dividing.
    float a = t * (0.11 + 0.03 * i) + i * 2.39;
    float b = t * (0.08 + 0.025 * i) + i * 1.71;
    return vec2(0.95 * sin(a) + 0.25 * sin(b * 2.3), 0.55 * cos(b) + 0.15 * sin(a * 1.7));
}

void main()
{
    float t = iGlobalTime;
    vec2 res = iResolution.xy;
    vec2 p = (2.0 * gl_FragCoord.xy - res) / res.y;
    vec2 uv = gl_FragCoord.xy / res;

    // Field value and its gradient, summed over the blobs.
    float f = 0.0;
    vec2 g = vec2(0.0);
    for (int i = 0; i < BLOBS; i++) {
        float fi = float(i);
        vec2 c = blobPos(fi, t + 4.0);
        // Bounded polynomial falloff: smooth at the centre, so the lens
        // magnifies cleanly there and bends most towards its rim.
        float rr = 0.4 + 0.1 * sin(t * 0.7 + fi * 1.3);
        vec2 d = p - c;
        float k = max(1.0 - dot(d, d) / (rr * rr), 0.0);
        f += k * k * k;
        g -= 6.0 * k * k / (rr * rr) * d;
    }
    // A pressed mouse adds a lens under the pointer.
    if (iMouse.z > 0.0) {
        vec2 c = (2.0 * iMouse.xy - res) / res.y;
        vec2 d = p - c;
        float k = max(1.0 - dot(d, d) / 0.16, 0.0);
        f += k * k * k;
        g -= 6.0 * k * k / 0.16 * d;
    }

    // Nebula backdrop: slow zoom and drift, bent by the lenses' gradient.
    float zoom = 1.0 - 0.12 * smoothstep(0.0, 18.0, t);
    vec2 nuv = (uv - 0.5) * zoom + 0.5 + vec2(0.012 * t, 0.004 * t);
    vec2 bend = g * 0.01;
    vec3 neb = texture2D(iChannel2, nuv - bend).rgb;
    neb = pow(neb, vec3(1.15)) * 1.2;

    // Inside (field above the threshold): the cell picture, magnified and
    // refracted by a fake surface normal taken from the field gradient.
    float th = 0.3;
    float inside = smoothstep(th - 0.01, th + 0.01, f);
        vec3 n = normalize(vec3(-g * 0.12, 1.0));
    vec2 cuv = p * 0.3 + 0.5 + n.xy * 0.07 + vec2(-0.01 * t, 0.006 * t);
    vec3 cells = texture2D(iChannel1, cuv).rgb;
    // Chromatic split on the refraction makes the lens read as glass-like.
    float cg = texture2D(iChannel1, cuv + n.xy * 0.006).g;
    cells = vec3(cells.r, cg, cells.b);

    vec3 l = normalize(vec3(-0.5, 0.6, 0.7));
    float spec = pow(max(dot(reflect(-l, n), vec3(0.0, 0.0, 1.0)), 0.0), 40.0);
    float rim = smoothstep(-0.06, 0.0, f - th) * (1.0 - smoothstep(0.0, 0.15, f - th));
    vec3 lens = cells * (0.65 + 0.5 * n.z) + spec * 0.9;
    lens = mix(lens, lens * vec3(0.7, 1.05, 1.1), 0.3);

    vec3 col = mix(neb, lens, inside);
    col += vec3(0.45, 0.85, 1.0) * rim * 0.55;
    // Faint halo outside the membranes.
    col += vec3(0.3, 0.5, 0.9) * smoothstep(0.0, th, f) * (1.0 - inside) * 0.25;

    col *= 1.0 - 0.25 * dot(p * 0.6, p * 0.6);
    gl_FragColor = vec4(clamp(col, 0.0, 1.0), 1.0);
}
