// Gyroscope: three nested metal rings spin about their own axes around a
// glowing core. The metal picture is wrapped along each ring and doubles as
// their reflected surroundings; a dark studio floor catches the glow.

#define MAX_STEPS 56

mat3 gRing0 = mat3(1.0);
mat3 gRing1 = mat3(1.0);
mat3 gRing2 = mat3(1.0);
float gPulse = 0.0;

mat3 rotX(float a) { float c = cos(a), s = sin(a); return mat3(1.0, 0.0, 0.0, 0.0, c, s, 0.0, -s, c); }
mat3 rotY(float a) { float c = cos(a), s = sin(a); return mat3(c, 0.0, -s, 0.0, 1.0, 0.0, s, 0.0, c); }
mat3 rotZ(float a) { float c = cos(a), s = sin(a); return mat3(c, s, 0.0, -s, c, 0.0, 0.0, 0.0, 1.0); }

// A ring with a flattened, slightly squared cross section reads as machined metal.
float ring(vec3 p, float r, float w)
{
    vec2 q = vec2(length(p.xz) - r, p.y);
    q = abs(q) - vec2(w, w * 0.55);
    return length(max(q, 0.0)) + min(max(q.x, q.y), 0.0) - 0.02;
}

// Returns distance in x and a material id in y (0, 1, 2 rings, 3 core).
vec2 map(vec3 p)
{
    vec2 d = vec2(ring(gRing0 * p, 1.25, 0.07), 0.0);
    float r1 = ring(gRing1 * p, 0.95, 0.065);
    if (r1 < d.x) d = vec2(r1, 1.0);
    float r2 = ring(gRing2 * p, 0.66, 0.06);
    if (r2 < d.x) d = vec2(r2, 2.0);
    float core = length(p) - 0.3 - 0.02 * gPulse;
    if (core < d.x) d = vec2(core, 3.0);
    return d;
}

// Normal of a ring in its own frame, straight from the shape of its cross
// section: far cheaper than sampling the whole distance field four times.
vec3 ringNormal(vec3 lp, float r, float w)
{
    vec3 radial = normalize(vec3(lp.x, 0.0, lp.z));
    vec2 q = vec2(length(lp.xz) - r, lp.y);
    vec2 e = abs(q) - vec2(w, w * 0.55);
    vec2 g = max(e, 0.0);
    // Inside the rounding margin pick the nearest face.
    if (max(e.x, e.y) <= 0.0) g = e.x > e.y ? vec2(1.0, 0.0) : vec2(0.0, 1.0);
    g = normalize(g + 1e-5) * sign(q);
    return normalize(radial * g.x + vec3(0.0, g.y, 0.0));
}

// The metal picture wrapped along a ring: u runs around the ring (so the
// brushing follows it), v around its cross section.
vec3 ringMetal(vec3 lp, float r)
{
    float u = atan(lp.z, lp.x) * 0.4775;   // three panels around the ring
    float v = atan(lp.y, length(lp.xz) - r) * 0.159;
    return texture2D(iChannel1, vec2(u, v * 0.5 + 0.25)).rgb;
}

// The metal picture stretched around the scene as a spherical environment.
vec3 environment(vec3 d)
{
    vec2 uv = vec2(atan(d.z, d.x) * 0.159 + 0.05 * iGlobalTime, d.y * 0.5 + 0.5);
    vec3 c = texture2D(iChannel1, uv).rgb;
    vec3 sky = mix(vec3(0.05, 0.04, 0.06), vec3(0.55, 0.42, 0.30), smoothstep(-0.2, 0.9, d.y));
    return c * sky * 2.2 + vec3(1.0, 0.6, 0.3) * pow(max(d.y, 0.0), 24.0);
}

void main()
{
    float t = iGlobalTime;
    vec2 p = (2.0 * gl_FragCoord.xy - iResolution.xy) / iResolution.y;

    gPulse = sin(t * 3.0);
    // Each ring turns about a different axis at its own rate; the rates avoid
    // ever lining the rings up into one plane for long.
    gRing0 = rotX(0.6 + t * 0.31) * rotZ(0.3);
    gRing1 = rotZ(1.2 + t * 0.53) * rotX(t * 0.21);
    gRing2 = rotX(-t * 0.77) * rotY(t * 0.4) * rotZ(0.9);

    // Slow orbit; a pressed mouse nudges the camera.
    vec2 m = iMouse.z > 0.0 ? (iMouse.xy / iResolution.xy - 0.5) : vec2(0.0);
    float az = 0.4 + t * 0.18 + m.x * 1.5;
    float el = 0.35 + 0.12 * sin(t * 0.23) + m.y * 0.8;
    // A slow dolly in over the whole hold.
    float camDist = 4.0 - 0.7 * smoothstep(0.0, 19.0, t);
    vec3 ro = camDist * vec3(cos(el) * sin(az), sin(el), cos(el) * cos(az));
    vec3 fw = normalize(-ro);
    vec3 rt = normalize(cross(fw, vec3(0.0, 1.0, 0.0)));
    vec3 up = cross(rt, fw);
    vec3 rd = normalize(p.x * rt + p.y * up + 1.9 * fw);

    // Floor at y = -1.6 with the glow of the core pooled under it.
    vec3 col;
    float tf = rd.y < 0.0 ? (-1.6 - ro.y) / rd.y : 1e9;
    if (tf < 1e8) {
        vec3 fp = ro + rd * tf;
        float glow = 0.35 / (1.0 + dot(fp.xz, fp.xz) * 0.6);
        // Riveted metal floor plates, lit by the core and a cool fill.
        vec3 tile = texture2D(iChannel1, fp.xz * 0.16).rgb;
        col = tile * (vec3(0.1, 0.12, 0.16) + vec3(1.6, 0.9, 0.45) * glow * (1.1 + 0.3 * gPulse));
        col += vec3(1.0, 0.55, 0.25) * glow * 0.25;
        col = mix(vec3(0.09, 0.07, 0.06), col, exp(-0.015 * tf * tf));
    } else {
        // Above the floor: a dark studio with a warm haze at the horizon.
        col = mix(vec3(0.09, 0.07, 0.06), vec3(0.01, 0.01, 0.02), smoothstep(0.0, 0.5, rd.y));
    }

    // March only rays that come near the rings' bounding sphere.
    float b = dot(ro, rd);
    float c = dot(ro, ro) - 1.45 * 1.45;
    float h = b * b - c;
    float glowAcc = 0.0;
    if (h > 0.0) {
        float dist = max(-b - sqrt(h), 0.0);
        float tEnd = -b + sqrt(h);
        vec2 res = vec2(1.0, -1.0);
        for (int i = 0; i < MAX_STEPS; i++) {
            res = map(ro + rd * dist);
            glowAcc += 0.012 / (0.02 + res.x * res.x * 6.0) * step(2.5, res.y);
            if (res.x < 0.0015 || dist > tEnd) break;
            dist += res.x * 0.9;
        }
        if (res.x < 0.0015) {
            vec3 pos = ro + rd * dist;
            // The ring's frame: local = M * world, so world normals come back through the transpose.
            mat3 frame = res.y < 0.5 ? gRing0 : (res.y < 1.5 ? gRing1 : gRing2);
            vec3 lp = frame * pos;
            float rr = res.y < 0.5 ? 1.25 : (res.y < 1.5 ? 0.95 : 0.66);
            float ww = res.y < 0.5 ? 0.07 : (res.y < 1.5 ? 0.065 : 0.06);
            vec3 n = res.y > 2.5 ? normalize(pos) : transpose(frame) * ringNormal(lp, rr, ww);
            vec3 r = reflect(rd, n);
            float fres = pow(1.0 - max(dot(-rd, n), 0.0), 3.0);
            vec3 env = environment(r);
            if (res.y > 2.5) {
                col = vec3(1.0, 0.62, 0.28) * (1.6 + 0.5 * gPulse) + env * 0.3;
            } else {
                // Metal: albedo from the picture, tinted per ring, lit by the
                // core (a point light at the origin) and by the environment.
                vec3 tint = res.y < 0.5 ? vec3(1.0, 0.78, 0.5) : (res.y < 1.5 ? vec3(0.85, 0.88, 0.95) : vec3(0.95, 0.6, 0.45));
                vec3 alb = ringMetal(lp, rr) * tint;
                vec3 l = normalize(-pos);
                float diff = max(dot(n, l), 0.0) / (0.6 + dot(pos, pos));
                float spec = pow(max(dot(r, l), 0.0), 32.0);
                vec3 keyDir = normalize(vec3(0.5, 0.9, 0.3));
                float key = max(dot(n, keyDir), 0.0);
                col = alb * (0.08 + 0.9 * key * vec3(0.9, 0.85, 0.8) + 1.8 * diff * vec3(1.0, 0.6, 0.3));
                col += env * alb * (0.5 + 1.5 * fres);
                col += vec3(1.0, 0.7, 0.4) * spec * 1.2;
                col += pow(max(dot(r, keyDir), 0.0), 60.0) * 0.8;
            }
        }
    }
    col += vec3(1.0, 0.5, 0.2) * glowAcc * 0.05;

    // Vignette and a filmic shoulder.
    vec2 q = gl_FragCoord.xy / iResolution.xy;
    col *= 0.35 + 0.65 * pow(16.0 * q.x * q.y * (1.0 - q.x) * (1.0 - q.y), 0.2);
    col = col / (1.0 + col * 0.6);
    col = pow(col, vec3(0.85));
    gl_FragColor = vec4(col, 1.0);
}
