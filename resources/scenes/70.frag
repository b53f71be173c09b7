// Gyroscope: three nested metal rings spin about their own axes around a
// glowing core. The metal picture wraps the rings (triplanar) and doubles as
// their reflected surroundings; a dark studio floor catches the glow.

#define MAX_STEPS 56
#define FAR 9.0

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

vec3 calcNormal(vec3 p)
{
    const vec2 k = vec2(1.0, -1.0);
    const float e = 0.002;
    return normalize(k.xyy * map(p + k.xyy * e).x + k.yyx * map(p + k.yyx * e).x +
                     k.yxy * map(p + k.yxy * e).x + k.xxx * map(p + k.xxx * e).x);
}

vec3 triplanar(vec3 p, vec3 n)
{
    vec3 w = pow(abs(n), vec3(4.0));
    w /= (w.x + w.y + w.z);
    return texture2D(iChannel1, p.yz * 0.7).rgb * w.x +
           texture2D(iChannel1, p.zx * 0.7).rgb * w.y +
           texture2D(iChannel1, p.xy * 0.7).rgb * w.z;
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
    vec3 ro = 3.6 * vec3(cos(el) * sin(az), sin(el), cos(el) * cos(az));
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
        vec3 tile = texture2D(iChannel1, fp.xz * 0.18).rgb;
        col = tile * 0.12 + vec3(1.0, 0.55, 0.25) * glow * (1.1 + 0.3 * gPulse);
        col *= exp(-0.04 * tf * tf);
    } else {
        col = environment(rd) * 0.35;
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
            vec3 n = calcNormal(pos);
            vec3 r = reflect(rd, n);
            float fres = pow(1.0 - max(dot(-rd, n), 0.0), 3.0);
            if (res.y > 2.5) {
                col = vec3(1.0, 0.62, 0.28) * (1.6 + 0.5 * gPulse) + environment(r) * 0.3;
            } else {
                // Metal: albedo from the picture, tinted per ring, lit by the
                // core (a point light at the origin) and by the environment.
                vec3 tint = res.y < 0.5 ? vec3(1.0, 0.78, 0.5) : (res.y < 1.5 ? vec3(0.85, 0.88, 0.95) : vec3(0.95, 0.6, 0.45));
                vec3 alb = triplanar(pos, n) * tint;
                vec3 l = normalize(-pos);
                float diff = max(dot(n, l), 0.0) / (0.6 + dot(pos, pos));
                float spec = pow(max(dot(r, l), 0.0), 32.0);
                vec3 keyDir = normalize(vec3(0.5, 0.9, 0.3));
                float key = max(dot(n, keyDir), 0.0);
                col = alb * (0.08 + 0.9 * key * vec3(0.9, 0.85, 0.8) + 1.8 * diff * vec3(1.0, 0.6, 0.3));
                col += environment(r) * alb * (0.5 + 1.5 * fres);
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
