// Finale, in three acts over a minute.
// Dawn: a faceted ice crystal rises out of the glittering sea, mirrored in the
// water, the sea seen through its facets.
// Ignition: circuit traces wake on its faces and race with light; beams break
// out of it, a ring of fire opens from it and carries us to the red-rock
// desert, which wheels around faster and faster as the crystal spins up, until
// it bursts in a white flash.
// Title: the shards fly past over the title card, ice dust settles, the sun
// behind the letters breathes, and a last glint runs over the chrome.

#ifdef GL_ES
precision mediump float;
#endif

const float PI = 3.14159265;

float hash21(vec2 p)
{
    p = fract(p * vec2(123.34, 456.21));
    p += dot(p, p + 45.32);
    return fract(p.x * p.y);
}

mat3 rotY(float a)
{
    float c = cos(a), s = sin(a);
    return mat3(c, 0.0, -s, 0.0, 1.0, 0.0, s, 0.0, c);
}

mat3 rotX(float a)
{
    float c = cos(a), s = sin(a);
    return mat3(1.0, 0.0, 0.0, 0.0, c, s, 0.0, -s, c);
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

// The sea at dawn: the picture, its water rippling and its glitter flashing.
vec3 sea(vec2 q, float aspect, float t)
{
    vec2 uv = cover(q, aspect, 16.0 / 9.0);
    float water = smoothstep(0.41, 0.45, uv.y);
    uv.x += water * 0.004 * sin(uv.y * 180.0 - t * 2.5 + sin(uv.x * 20.0));
    uv.y += water * 0.002 * sin(uv.x * 90.0 + t * 1.7);
    vec3 c = texture2D(iChannel6, uv).rgb;
    float glitter = max(0.0, sin(uv.x * 700.0 + t * 3.0) * sin(uv.y * 450.0 - t * 5.0));
    glitter *= glitter;
    glitter *= glitter;
    glitter *= glitter;
    glitter *= glitter;
    float path = exp(-pow((uv.x - 0.55) * 6.0, 2.0));
    return c + vec3(1.0, 0.95, 0.85) * glitter * path * water * 1.5;
}

// The desert panorama wrapped round the viewer and turned by `spin`; a heat
// shimmer rises from the ground.
vec3 desert(vec3 rd, float spin, float t)
{
    float u = atan(rd.x, -rd.z) * 1.5 / PI + spin;
    float v = 0.6 - rd.y * 1.1;
    v += 0.003 * sin(u * 300.0 + t * 6.0) * smoothstep(0.5, 0.8, v);
    return texture2D(iChannel7, vec2(u, clamp(v, 0.005, 0.995))).rgb;
}

// What lies behind the crystal, as seen bent through it or mirrored in it: the
// sea, or, inside the opened portal, the desert. Plain lookups: the shimmer of
// the backdrop would not survive the facets anyway.
vec3 world(vec2 q, vec3 rd, float inside, float spin, float aspect)
{
    vec3 sc = texture2D(iChannel6, cover(q, aspect, 16.0 / 9.0)).rgb;
    float u = atan(rd.x, -rd.z) * 1.5 / PI + spin;
    vec3 dc = texture2D(iChannel7, vec2(u, clamp(0.6 - rd.y * 1.1, 0.005, 0.995))).rgb;
    return mix(sc, dc, inside);
}

// Ray against the crystal: an elongated octahedron, turned by `rot`, centred
// at c with half sizes s. Returns (entry, exit) distances (entry > exit on a
// miss) and the entry normal in world space.
vec2 crystal(vec3 ro, vec3 rd, vec3 c, vec3 s, mat3 rot, out vec3 nrm, out float edge)
{
    nrm = vec3(0.0, 1.0, 0.0);
    edge = 0.0;
    // Most rays miss: a bounding sphere turns them away cheaply.
    vec3 oc = ro - c;
    float b = dot(oc, rd);
    if (b * b - dot(oc, oc) + s.y * s.y < 0.0)
        return vec2(1.0, -1.0);
    vec3 o = (rot * (ro - c)) / s;
    vec3 d = (rot * rd) / s;
    float tn = -1e5, tn2 = -1e5, tf = 1e5;
    vec3 best = vec3(0.0, 1.0, 0.0);
    for (int i = 0; i < 8; i++) {
        vec3 n = vec3(mod(float(i), 2.0) * 2.0 - 1.0, mod(floor(float(i) / 2.0), 2.0) * 2.0 - 1.0,
                      floor(float(i) / 4.0) * 2.0 - 1.0);
        float den = dot(n, d);
        float num = 1.0 - dot(n, o);
        float tt = num / den;
        if (den < 0.0) {
            if (tt > tn) {
                tn2 = tn;
                tn = tt;
                best = n;
            } else {
                tn2 = max(tn2, tt);
            }
        } else {
            tf = min(tf, tt);
        }
    }
    nrm = normalize((best / s) * rot);
    // How near the entry point lies to an edge between two facets.
    edge = 1.0 - smoothstep(0.0, 0.04, (tn - tn2) * length(d));
    return vec2(tn, tf);
}

void main()
{
    float t = iGlobalTime;
    vec2 res = iResolution.xy;
    float aspect = res.x / res.y;
    vec2 q = gl_FragCoord.xy / res;
    vec2 uv = (gl_FragCoord.xy - 0.5 * res) / res.y;

    // Acts: 0-20 dawn, 20-45 ignition, 45-65 title.
    float ignite = smoothstep(12.0, 30.0, t);
    float portal = smoothstep(24.0, 31.0, t);
    float spinUp = smoothstep(30.0, 44.0, t);
    float flash = exp(-pow((t - 44.6) / 0.55, 2.0));
    float titleOn = smoothstep(44.5, 45.0, t);

    // Camera: a slow push towards the crystal, a gentle sway.
    vec3 ro = vec3(0.0, 0.0, 0.0);
    float sway = 0.04 * sin(t * 0.23);
    vec3 rd = rotY(sway) * rotX(0.03 * sin(t * 0.17)) * normalize(vec3(uv, -1.8));

    // The crystal rises from the sea and spins, faster before the burst.
    float rise = smoothstep(0.0, 17.0, t);
    vec3 cc = vec3(0.0, mix(-1.15, 0.12, rise) + 0.05 * sin(t * 0.7), mix(-6.5, -5.0, smoothstep(10.0, 40.0, t)));
    float spinAngle = t * 0.25 + spinUp * spinUp * 10.0 * (t - 30.0) / 14.0;
    mat3 rot = rotX(0.25 * sin(t * 0.3)) * rotY(spinAngle);
    vec3 cs = vec3(0.5, 0.9, 0.5);
    float waterY = -0.55;

    vec2 cScreen = cc.xy / -cc.z * 1.8;
    float desertSpin = 0.1 * t + spinUp * spinUp * 0.08 * (t - 30.0);
    vec3 col = vec3(0.0);

    // Acts one and two; once the title stands, none of this is drawn.
    if (titleOn < 1.0) {
    // Background: sea, then the desert opening from the crystal's centre.
    float pr = length(uv - cScreen);
    float radius = portal * 2.2;
    float inside = 1.0 - smoothstep(radius - 0.05, radius, pr);
    col = mix(sea(q, aspect, t), desert(rd, desertSpin, t), inside);
    // The ring of fire at the portal's edge.
    col += vec3(1.0, 0.5, 0.15) * exp(-abs(pr - radius) * 30.0) * step(0.01, portal) * (1.0 - portal * 0.7) * 1.5;

    // Its reflection in the water, broken by ripples spreading from it.
    float seaLeft = 1.0 - inside;
    if (rd.y < 0.0 && seaLeft > 0.0) {
        float tw = (waterY - ro.y) / rd.y;
        vec3 wp = ro + rd * tw;
        float dr = length(wp.xz - cc.xz);
        float ripple = sin(dr * 16.0 - t * 3.0) * exp(-dr * 0.8) * (0.3 + 0.7 * (1.0 - rise));
        vec3 rr = reflect(rd, normalize(vec3(ripple * 0.06, 1.0, 0.0)));
        vec3 rn;
        float re;
        vec2 hr = crystal(wp, rr, cc, cs, rot, rn, re);
        if (hr.x < hr.y && hr.x > 0.0) {
            vec3 hp = wp + rr * hr.x;
            if (hp.y > waterY) {
                vec3 glow = mix(vec3(0.55, 0.75, 0.95), vec3(0.3, 0.9, 1.0), ignite);
                col = mix(col, glow * (0.5 + 0.5 * abs(rn.y)), 0.45 * seaLeft);
            }
        }
        col += vec3(0.8, 0.9, 1.0) * max(ripple, 0.0) * 0.12 * seaLeft * exp(-dr * 0.5);
    }

    // The crystal itself.
    vec3 n;
    float edge;
    vec2 h = crystal(ro, rd, cc, cs, rot, n, edge);
    if (h.x < h.y && h.x > 0.0) {
        vec3 p = ro + rd * h.x;
        if (p.y > waterY || inside > 0.5) {
            // Facet coordinates for the face textures.
            vec3 lp = rot * (p - cc);
            vec2 fuv = vec2(lp.x + lp.z, lp.y) * 0.45 + vec2(0.5);
            vec3 iceTex = texture2D(iChannel2, fuv).rgb;
            vec3 circ = texture2D(iChannel1, fuv * 1.3 + vec2(0.2, 0.1)).rgb;
            float trace = smoothstep(0.3, 0.5, circ.g) + smoothstep(0.4, 0.6, circ.r);

            // Seen through the ice: the scene behind, bent and tinted.
            vec3 rf = refract(rd, n, 0.76);
            vec2 bq = q + rf.xy * 0.12 - rd.xy * 0.1;
            vec3 behind = world(bq, rf, inside, desertSpin, aspect);
            float fres = pow(1.0 - max(dot(-rd, n), 0.0), 3.0);
            vec3 refl = world(q + reflect(rd, n).xy * 0.2, reflect(rd, n), inside, desertSpin, aspect);
            vec3 c = behind * vec3(0.7, 0.88, 1.0) * 0.9 + iceTex * 0.25;
            c = mix(c, refl, 0.25 + 0.6 * fres);
            // Facet light: edges and a sun glint.
            vec3 sunDir = normalize(vec3(0.3, 0.5, -0.8));
            c += vec3(1.0, 0.95, 0.85) * pow(max(dot(reflect(rd, n), sunDir), 0.0), 30.0) * 0.8;
            // Inner light grows with the thickness crossed and the power.
            float thick = clamp((h.y - h.x) * 0.8, 0.0, 1.0);
            c += vec3(0.3, 0.8, 1.0) * thick * (0.1 + 0.8 * ignite * ignite + 0.5 * spinUp);
            // Circuit traces waking on the faces, pulses racing along them.
            float pulse = pow(0.5 + 0.5 * sin((lp.y + lp.x) * 14.0 - t * 6.0), 6.0);
            c += mix(vec3(0.2, 1.0, 0.9), vec3(1.0, 0.8, 0.3), spinUp) * trace * ignite * (0.35 + 1.2 * pulse);
            c += vec3(0.85, 0.95, 1.0) * edge * (0.35 + 0.5 * ignite);
            col = c;
        }
    }

    // Beams breaking out of the crystal during the ignition.
    vec2 dv = uv - cScreen;
    float ang = atan(dv.y, dv.x);
    float beams = pow(0.5 + 0.5 * sin(ang * 9.0 + t * 0.7) * sin(ang * 5.0 - t * 1.1 + 1.0), 4.0);
    float beamFall = exp(-length(dv) * 1.3);
    col += vec3(1.0, 0.85, 0.6) * beams * beamFall * smoothstep(20.0, 36.0, t) * (1.0 - titleOn) * 0.8;
    col += vec3(0.6, 0.9, 1.0) * exp(-length(dv) * 4.0) * ignite * (1.0 - titleOn) * (0.2 + 0.5 * spinUp);
    }

    // Act three: the title card, breathing, the sky above it faintly wired.
    if (titleOn > 0.0) {
        float z = mix(1.12, 1.0, smoothstep(45.0, 62.0, t));
        vec2 tq = 0.5 + (q - 0.5) / z;
        vec2 tuv = fitWidth(tq, aspect, 1920.0 / 1025.0);

        // Shards of the crystal flying out over it, bending what lies behind.
        float shardsOn = 1.0 - smoothstep(48.0, 54.0, t);
        vec2 sh = vec2(0.0);
        float shardEdge = 0.0;
        float shardMask = 0.0;
        if (shardsOn > 0.0) {
            float age = t - 44.6;
            vec2 g = (uv - cScreen) / (0.05 + age * 0.6) * 3.0;
            vec2 gi = floor(g);
            vec2 gf = fract(g);
            float d1 = 8.0, d2 = 8.0;
            vec2 cell = vec2(0.0);
            for (int j = -1; j <= 1; j++)
                for (int i = -1; i <= 1; i++) {
                    vec2 o = vec2(float(i), float(j));
                    vec2 pt = o + vec2(hash21(gi + o), hash21(gi + o + 5.3));
                    float dd = length(pt - gf);
                    if (dd < d1) {
                        d2 = d1;
                        d1 = dd;
                        cell = gi + o;
                    } else if (dd < d2) {
                        d2 = dd;
                    }
                }
            float keep = step(hash21(cell + 9.1), 0.55 * shardsOn);
            shardMask = keep * shardsOn;
            shardEdge = (1.0 - smoothstep(0.0, 0.08, d2 - d1)) * shardMask;
            sh = (vec2(hash21(cell + 1.7), hash21(cell + 2.9)) - 0.5) * 0.06 * shardMask;
        }

        vec3 tc = texture2D(iChannel4, tuv + sh).rgb;
        tc *= mix(vec3(1.0), vec3(0.75, 0.9, 1.1), shardMask);
        tc += vec3(0.8, 0.95, 1.0) * shardEdge * 0.6;
        // The sun behind the letters breathes.
        vec2 sunP = vec2(0.5, 0.52);
        float sd = length((tuv - sunP) * vec2(1.87, 1.0));
        tc += vec3(1.0, 0.55, 0.3) * exp(-sd * 6.0) * (0.12 + 0.08 * sin(t * 1.3));
        // Faint circuitry in the night sky above the title.
        vec3 circ = texture2D(iChannel1, tuv * vec2(2.0, 1.1) + vec2(t * 0.004, 0.0)).rgb;
        float wires = smoothstep(0.35, 0.55, circ.g) * (1.0 - smoothstep(0.15, 0.35, tuv.y)) * 0.18;
        tc += vec3(0.3, 0.6, 1.0) * wires * (0.6 + 0.4 * sin(t * 2.0 + tuv.x * 20.0));
        // A scan line running down the neon grid.
        float scan = exp(-abs(tuv.y - mix(0.72, 1.0, fract(t * 0.2))) * 120.0) * smoothstep(0.7, 0.75, tuv.y);
        tc += vec3(0.9, 0.3, 1.0) * scan * 0.4;
        // Chrome glint sweeping over the letters near the end.
        float band = (t - 57.0) * 0.5;
        float lum = dot(tc, vec3(0.3, 0.5, 0.2));
        tc += vec3(1.0) * exp(-pow(tuv.x + tuv.y * 0.3 - band, 2.0) * 150.0) * smoothstep(0.4, 0.8, lum) * 0.9;
        // Ice dust drifting down through the light.
        vec2 dg = vec2(q.x * aspect, q.y + t * 0.04) * 26.0;
        vec2 di = floor(dg);
        vec2 df = fract(dg) - 0.5;
        vec2 dp = vec2(hash21(di), hash21(di + 3.1)) - 0.5;
        float dust = smoothstep(0.06, 0.0, length(df - dp * 0.7)) * step(0.7, hash21(di + 7.7));
        tc += vec3(0.8, 0.9, 1.0) * dust * (0.5 + 0.5 * sin(t * 3.0 + hash21(di) * 20.0)) * 0.6;

        col = mix(col, tc, titleOn);
    }

    // The burst.
    col += vec3(1.0, 0.97, 0.9) * flash * 2.5;
    col += vec3(1.0, 0.9, 0.8) * flash * exp(-length(uv - cScreen) * 2.0) * 2.0;

    vec2 v = q - 0.5;
    col *= 1.0 - 0.4 * dot(v, v);
    col = col / (1.0 + 0.15 * col);
    gl_FragColor = vec4(col * 1.1, 1.0);
}
