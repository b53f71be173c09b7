// Power-up: a low flight over the circuit board, read as a relief: chips
// stand as black blocks, pads as gold studs, traces as raised lanes. The
// board starts cold under a sweeping work light; a power wave rolls out from
// the chip ahead, and from then on pulses of current race along the traces
// while the camera climbs to show the whole board alive.

const float HMAX = 0.12;

// One picture spans 8 x 4.5 world units, repeated.
vec2 boardUV(vec2 xz)
{
    return xz / vec2(8.0, 4.5);
}

vec3 board(vec2 xz)
{
    return texture2D(iChannel1, boardUV(xz)).rgb;
}

// Height from colour: chips are dark and grey, pads gold, traces pale green.
float heightOf(vec3 c)
{
    float hi = max(c.r, max(c.g, c.b));
    float lo = min(c.r, min(c.g, c.b));
    float chip = (1.0 - smoothstep(0.06, 0.12, hi - lo)) * (1.0 - smoothstep(0.2, 0.35, hi));
    float pad = smoothstep(0.35, 0.6, c.r);
    float trace = smoothstep(0.32, 0.5, c.g) * (1.0 - pad);
    return chip * HMAX + pad * 0.035 + trace * 0.018;
}

float height(vec2 xz)
{
    return heightOf(board(xz));
}

// Where the camera is at time t: a weaving line over the board, climbing at
// the end.
vec3 camPath(float t)
{
    float climb = smoothstep(12.0, 19.0, t);
    return vec3(0.9 * sin(t * 0.23) + 0.3 * sin(t * 0.61), 0.32 + 0.06 * sin(t * 0.5) + climb * 1.6, -t * 0.55);
}

void main()
{
    float t = iGlobalTime;
    vec2 uv = (2.0 * gl_FragCoord.xy - iResolution.xy) / iResolution.y;

    vec3 ro = camPath(t);
    vec3 ta = camPath(t + 1.2);
    ta.y = 0.0;
    ta.z -= 0.3;
    float climb = smoothstep(12.0, 19.0, t);
    ta = mix(ta, vec3(ro.x, 0.0, ro.z - 0.9), climb * 0.8);
    if (iMouse.z > 0.0) {
        vec2 m = iMouse.xy / iResolution.xy - 0.5;
        ta.x += m.x * 1.5;
        ta.y += m.y * 0.8;
    }
    vec3 fw = normalize(ta - ro);
    float roll = 0.12 * sin(t * 0.23 + 1.0);
    vec3 rt = normalize(cross(fw, vec3(sin(roll), cos(roll), 0.0)));
    vec3 up = cross(rt, fw);
    vec3 rd = normalize(uv.x * rt + uv.y * up + 1.6 * fw);

    // Power arrives: a ring spreading from the chip the camera flies toward.
    vec2 origin = camPath(4.0).xz + vec2(0.0, -1.5);
    float power = smoothstep(3.0, 6.0, t);

    // Above the board: a dark sky with a glow low over the horizon.
    vec3 fogCol = vec3(0.01, 0.04, 0.03);
    vec3 col = fogCol + vec3(0.02, 0.12, 0.1) * exp(-max(rd.y, 0.0) * 12.0) * (0.4 + 0.6 * power);
    float dist = 1e5;

    if (rd.y < -0.001) {
        // Walk down from the top of the relief: each step drops the ray by
        // part of its height over the board below, so flat stretches go fast;
        // the crossing is then refined by bisection.
        float t0 = (ro.y - HMAX) / -rd.y;
        float t1 = min(ro.y / -rd.y, 16.0);
        float s = t0;
        float prev = s;
        bool hit = false;
        for (int i = 0; i < 24; i++) {
            vec3 p = ro + rd * s;
            float dy = p.y - height(p.xz);
            if (dy < 0.0) {
                hit = true;
                break;
            }
            if (s > t1)
                break;
            prev = s;
            s += max(dy * 0.6 / -rd.y, 0.01 + s * 0.015);
        }
        if (!hit)
            s = min(s, t1);
        float a = prev, b = s;
        for (int i = 0; i < 4; i++) {
            float m = 0.5 * (a + b);
            vec3 p = ro + rd * m;
            if (p.y < height(p.xz))
                b = m;
            else
                a = m;
        }
        dist = b;
        vec3 p = ro + rd * dist;

        vec3 alb = board(p.xz);
        float h = heightOf(alb);
        float e = 0.012;
        float hx = height(p.xz + vec2(e, 0.0));
        float hz = height(p.xz + vec2(0.0, e));
        vec3 n = normalize(vec3(h - hx, e, h - hz));

        float pad = smoothstep(0.35, 0.6, alb.r);
        float trace = smoothstep(0.32, 0.5, alb.g) * (1.0 - pad);

        // The work light: a warm lamp that swings over the board with us.
        vec3 lp = ro + vec3(1.2 * sin(t * 0.7), 0.6, -1.5 + 0.8 * cos(t * 0.5));
        vec3 ld = lp - p;
        float ll = length(ld);
        ld /= ll;
        float diff = max(dot(n, ld), 0.0) / (1.0 + 0.15 * ll * ll);
        vec3 hv = normalize(ld - rd);
        float spec = pow(max(dot(n, hv), 0.0), 40.0) * (0.2 + pad * 1.5);
        col = alb * (0.12 + 1.5 * diff) + vec3(1.0, 0.9, 0.7) * spec * diff * 3.0;

        // Power: the ring front, then current racing along the traces.
        float r = length(p.xz - origin);
        float front = (t - 3.0) * 2.2;
        float reached = power * smoothstep(front, front - 0.6, r);
        float ring = exp(-abs(r - front) * 6.0) * step(3.0, t) * (1.0 - smoothstep(10.0, 13.0, t));
        float lanes = trace + pad * 0.6;
        float flow1 = pow(0.5 + 0.5 * sin(dot(p.xz, vec2(2.3, 1.1)) * 3.0 - t * 7.0), 12.0);
        float flow2 = pow(0.5 + 0.5 * sin(dot(p.xz, vec2(-0.9, 2.6)) * 3.5 - t * 5.0 + 1.7), 12.0);
        float flow = (flow1 + flow2) * lanes * reached;
        vec3 current = vec3(0.2, 0.9, 1.0);
        col += current * (flow * 1.6 + lanes * reached * 0.12);
        col += vec3(0.4, 1.0, 0.8) * ring * (0.3 + lanes);
        // Chips hum once powered: a faint glow under their edges.
        float chip = smoothstep(HMAX * 0.5, HMAX, h);
        col += vec3(0.9, 0.4, 0.1) * chip * reached * (0.06 + 0.05 * sin(t * 3.0 + p.x * 2.0));
    }

    // Haze with the board's green, lit faintly by the current.
    float fog = 1.0 - exp(-dist * 0.16);
    col = mix(col, fogCol + vec3(0.0, 0.05, 0.05) * power, fog);
    col = col / (1.0 + col * 0.4);
    col = pow(col, vec3(0.85));
    vec2 q = gl_FragCoord.xy / iResolution.xy;
    col *= 0.6 + 0.4 * pow(16.0 * q.x * q.y * (1.0 - q.x) * (1.0 - q.y), 0.2);
    gl_FragColor = vec4(col, 1.0);
}
