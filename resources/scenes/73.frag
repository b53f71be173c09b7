// The gate: a low flight over warm desert hills under the panorama's sky,
// towards a free-standing gate that opens onto another world: the alpine
// landscape, seen through the frame as if it lay behind it. Eleven seconds
// in, the camera flies through the gate and the world on the far side
// takes over: green hills and a lake that mirrors the landscape's peaks.

#define STEPS 36
#define FAR 70.0
#define GATE_TIME 11.0
#define SPEED 2.6

float gGateZ = 0.0;
vec2 gGateC = vec2(0.0);
vec2 gGateHalf = vec2(3.6, 2.3);

float pathX(float z)
{
    return 3.0 * sin(z * 0.045) + 1.5 * sin(z * 0.11 + 1.0);
}

// Rolling ridges from two rotated sine products: cheap enough to march.
float terrain(vec2 p)
{
    float h = 1.6 * sin(p.x * 0.21) * sin(p.y * 0.17 + 1.3);
    vec2 q = mat2(0.8, -0.6, 0.6, 0.8) * p;
    h += 0.8 * sin(q.x * 0.43 + 2.0) * sin(q.y * 0.37);
    // Keep the flight corridor low so the gate stands in a valley.
    float dx = p.x - pathX(p.y);
    return h - 2.6 / (1.0 + dx * dx * 0.06);
}

// Fine ridges are only added where a surface is shaded, not while marching.
float terrainDetail(vec2 p)
{
    vec2 q = mat2(0.28, -0.96, 0.96, 0.28) * p;
    return terrain(p) + 0.3 * abs(sin(q.x * 0.9) * sin(q.y * 0.8 + 0.5));
}

// The panorama wraps around the horizon for the desert world.
vec3 skyA(vec3 d)
{
    float u = atan(d.x, d.z) * 0.159155 + 0.25;
    float v = 0.57 - d.y * 0.75;
    return texture2D(iChannel2, vec2(u, min(v, 0.6))).rgb;
}

// The landscape picture hangs in front of the far side of the gate; it is not
// a panorama, so it spans a wide but limited field ahead.
vec3 skyB(vec3 d)
{
    vec2 s = d.xy / max(d.z, 0.2);
    vec2 uv = vec2(0.5 + s.x * 0.42, 0.62 - s.y * 0.72);
    return texture2D(iChannel1, vec2(uv.x, min(uv.y, 0.615))).rgb;
}

vec3 sky(vec3 d, float world)
{
    return world > 0.5 ? skyB(d) : skyA(d);
}

void main()
{
    float t = iGlobalTime;
    vec2 res = iResolution.xy;
    vec2 p = (2.0 * gl_FragCoord.xy - res) / res.y;

    gGateZ = GATE_TIME * SPEED + 4.0;
    gGateC = vec2(pathX(gGateZ), 1.9);

    // Camera on the winding path, a little above the ground, easing into the
    // gate's height as it gets close.
    float cz = t * SPEED + 4.0;
    vec3 ro = vec3(pathX(cz), 0.0, cz);
    // The valley along the path keeps the ground below the camera, so the
    // height is a gentle bob rather than a terrain lookup.
    float near = smoothstep(GATE_TIME - 4.0, GATE_TIME - 0.5, t) * (1.0 - smoothstep(GATE_TIME + 0.5, GATE_TIME + 3.0, t));
    ro.y = mix(1.9 + 0.25 * sin(t * 0.5), gGateC.y, near);
    vec3 target = vec3(pathX(cz + 6.0), ro.y - 0.45 + 0.35 * near, cz + 6.0);
    vec2 m = iMouse.z > 0.0 ? (iMouse.xy / res - 0.5) : vec2(0.0);
    target.xy += m * vec2(4.0, 2.0);
    vec3 fw = normalize(target - ro);
    vec3 rt = normalize(cross(vec3(0.0, 1.0, 0.0), fw));
    vec3 up = cross(fw, rt);
    float roll = 0.06 * sin(t * 0.4);
    rt = rt * cos(roll) + up * sin(roll);
    up = cross(fw, rt);
    vec3 rd = normalize(p.x * rt + p.y * up + 1.5 * fw);

    // Which world does the ray start in, and where does it meet the gate?
    float world = ro.z > gGateZ ? 1.0 : 0.0;
    float tg = 1e9;
    float frame = 0.0;
    if (world < 0.5 && rd.z > 0.0) {
        tg = (gGateZ - ro.z) / rd.z;
        vec2 g = (ro + rd * tg).xy - gGateC;
        vec2 e = abs(g) - gGateHalf;
        if (max(e.x, e.y) > 0.35) tg = 1e9;          // misses gate and frame
        else if (max(e.x, e.y) > 0.0) frame = 1.0;   // hits the frame itself
    }

    // Beyond the gate a lake fills the valleys; marching can stop at its surface.
    float tw = rd.y < 0.0 ? (-1.1 - ro.y) / rd.y : 1e9;
    bool lakeSide = frame < 0.5 && (world > 0.5 || (tg < 1e8 && tw > tg));
    float tEnd = frame > 0.5 ? tg : FAR;
    if (lakeSide) tEnd = min(tEnd, tw);

    // March the height field with generous steps, then place the hit by
    // interpolating between the last point above and the first below.
    float dist = 0.05;
    float prevDist = 0.05;
    float prevH = 1.0;
    float hit = 0.0;
    float escaped = 0.0;
    for (int i = 0; i < STEPS; i++) {
        vec3 pos = ro + rd * dist;
        // Nothing rises above 2.4: a ray climbing past that is sky.
        if (pos.y > 2.4 && rd.y >= 0.0) { escaped = 1.0; break; }
        float h = pos.y - terrain(pos.xz);
        if (h < 0.0) {
            hit = 1.0;
            dist = prevDist + (dist - prevDist) * prevH / (prevH - h);
            break;
        }
        prevDist = dist;
        prevH = h;
        dist += max(h * 0.8, 0.04 + dist * 0.025);
        if (dist > tEnd) { escaped = 1.0; break; }
    }
    // The world switches for rays that passed through the gate's opening.
    float rayWorld = world;
    if (frame < 0.5 && tg < 1e8 && (hit < 0.5 || dist > tg)) rayWorld = 1.0;
    if (frame > 0.5 && dist > tg) hit = 0.0;
    bool water = lakeSide && hit < 0.5 && tw < FAR && escaped > 0.5 && dist >= tw;
    // Rays that ran out of steps are far away: let them dissolve into haze.
    float lost = (hit < 0.5 && escaped < 0.5) ? 1.0 : 0.0;

    vec3 col;
    vec3 bg = sky(rd, rayWorld);
    // Distance haze in each world's horizon colour.
    vec3 haze = rayWorld > 0.5 ? vec3(0.4, 0.5, 0.56) : vec3(0.9, 0.62, 0.45);
    if (frame > 0.5 && (hit < 0.5 || dist > tg)) {
        // The gate's frame: dark stone with a glowing inner edge.
        vec2 g = (ro + rd * tg).xy - gGateC;
        vec2 e = abs(g) - gGateHalf;
        float edge = max(e.x, e.y);
        col = vec3(0.12, 0.1, 0.09) + vec3(1.0, 0.75, 0.4) * exp(-edge * 18.0) * (1.2 + 0.3 * sin(t * 3.0));
    } else if (water) {
        vec3 pos = ro + rd * tw;
        vec2 ripple = 0.02 * vec2(sin(pos.x * 3.0 + t * 1.3), sin(pos.z * 2.5 + t));
        vec3 rr = reflect(rd, normalize(vec3(ripple.x, 1.0, ripple.y)));
        float fres = 0.35 + 0.65 * pow(1.0 - max(-rd.y, 0.0), 4.0);
        col = mix(vec3(0.02, 0.08, 0.09), skyB(rr) * 0.9, fres);
        // Coarse march steps can skip the last sliver of shore: where the
        // ground at this point is above the lake, draw a soft grassy bank.
        float bank = smoothstep(-1.16, -1.04, terrain(pos.xz));
        col = mix(col, vec3(0.14, 0.22, 0.1), bank);
        col = mix(col, haze, 1.0 - exp(-tw * 0.025));
    } else if (hit > 0.5) {
        vec3 pos = ro + rd * dist;
        float h0 = terrainDetail(pos.xz);
        vec3 n = normalize(vec3(h0 - terrainDetail(pos.xz + vec2(0.05, 0.0)), 0.05,
                                h0 - terrainDetail(pos.xz + vec2(0.0, 0.05))));
        vec3 sun = normalize(vec3(-0.6, 0.5, 0.6));
        float dif = max(dot(n, sun), 0.0);
        float slope = 1.0 - n.y;
        vec3 alb;
        if (rayWorld > 0.5) {
            // Meadow green to rock grey.
            alb = mix(vec3(0.16, 0.3, 0.1), vec3(0.35, 0.34, 0.33), smoothstep(0.15, 0.4, slope));
            alb *= 0.85 + 0.3 * sin(pos.x * 1.7 + sin(pos.z * 1.3)) * sin(pos.z * 2.1);
        } else {
            // Sand with wind ripples; steep faces turn to sandstone.
            float ripples = 0.9 + 0.1 * sin(pos.x * 9.0 + pos.z * 4.0 + sin(pos.z * 1.3) * 2.0);
            alb = mix(vec3(0.78, 0.5, 0.28), vec3(0.5, 0.26, 0.16), smoothstep(0.2, 0.5, slope)) * ripples;
        }
        col = alb * (0.25 * haze + 1.1 * dif * vec3(1.0, 0.9, 0.75));
        col = mix(col, haze, 1.0 - exp(-dist * 0.035));
    } else {
        col = mix(bg, haze, lost);
    }

    // The moment of crossing: a flash of the gate's light.
    float ft = (t - GATE_TIME) * 2.5;
    float flash = exp(-ft * ft);
    col += vec3(1.0, 0.85, 0.6) * flash * 0.7;

    col *= 1.0 - 0.25 * dot(p * 0.5, p * 0.5);
    col = clamp(col, 0.0, 1.0);
    gl_FragColor = vec4(col, 1.0);
}
